#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Dorvane
# need, skipping those already present. Runs as root (or through sudo).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev  # compilers, build, libFuzzer runtime
  libgtest-dev libgmock-dev                       # tests
  libbenchmark-dev libinih-dev                    # benchmarks (inih is the comparison parser)
  libncurses-dev libcairo2-dev                    # terminal and picture front ends
  fonts-dejavu-core                               # the pictures' dialog font
  tmux                                            # drives the terminal front end in tests
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
