#!/usr/bin/env bash
# Regenerates the README's pictures, docs/pictures/*.png, with tovik's
# --render: each picture is a tovik run on the shipped sample protocols whose
# script (on standard input) leaves the window to be shown open. The runs use
# a scratch Windows directory, so no profile file of the user's is read or
# written, and every page shows its defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tovik >/dev/null

out_dir="$PWD/docs/pictures"
mkdir -p "$out_dir"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export TOVIK_WINDIR="$scratch"

# picture NAME [tovik options]: the script comes from standard input.
picture() {
  local name="$1"
  shift
  rm -f "$scratch"/*.ini
  build/bin/tovik --script - --render "$out_dir/$name.png" "$@" >/dev/null
  echo "docs/pictures/$name.png"
}

# The Display page in its two presentations: with the test-results report
# (webflow's description sets VISUAL_LOG) and without it (mailbridge's does not).
picture display-report --protocol webflow </dev/null
picture display-no-report --protocol mailbridge </dev/null

# The Correlation page in both editions.
picture correlation-current --protocol webflow --page Correlation </dev/null
picture correlation-earlier --protocol webflow --page Correlation --edition earlier </dev/null

# The Advanced Correlation dialog in both editions, on the default delimiters:
# the earlier edition's page opens it with its "&Advanced ..." button, the
# current edition's host with the script command `advanced`.
picture advanced-earlier --protocol webflow --page Correlation --edition earlier <<'EOF'
click 1020
EOF
picture advanced-current --protocol webflow <<'EOF'
advanced "\\r\\n\\t'\\#$&/?=;<>\"" "4" 1
EOF
