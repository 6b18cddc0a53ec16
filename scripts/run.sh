#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs the host's options
# sheet on each shipped sample protocol. Until a terminal front end exists the
# sheet is driven by the script front end, with the demo script host/demo.tovik
# and a demo profile file in build/demo/ (never the user's own).
#   scripts/run.sh                      the demo on every shipped protocol
#   scripts/run.sh --protocol termlink  the demo on one, with any tovik options
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null

demo_dir="$PWD/build/demo"
mkdir -p "$demo_dir"
export TOVIK_WINDIR="$demo_dir"
# One fresh demo profile file per run, so each run starts from the defaults.
run_demo() {
  local profile="$1"
  shift
  rm -f "$demo_dir/$profile"
  build/bin/tovik --profile "$profile" --script host/demo.tovik "$@"
  echo "== the profile file: $demo_dir/$profile"
  cat "$demo_dir/$profile" 2>/dev/null || echo "(not written)"
}

if [ $# -gt 0 ]; then
  run_demo demo.ini "$@"
else
  for description in protocols/*.xpd; do
    protocol="$(basename "$description" .xpd)"
    echo "== tovik --protocol $protocol --script host/demo.tovik"
    run_demo "demo_$protocol.ini" --protocol "$protocol"
  done
fi
