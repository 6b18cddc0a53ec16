#!/usr/bin/env bash
# Regenerates the README's pictures, docs/pictures/*.png, with the host
# programs' --render: each picture is a tovik run on the shipped sample
# protocols, or a gallery run, whose script (on standard input) leaves the
# window to be shown open. The runs use
# a scratch Windows directory, so no profile file of the user's is read or
# written, and every page shows its defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tovik gallery >/dev/null

out_dir="$PWD/docs/pictures"
mkdir -p "$out_dir"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export TOVIK_WINDIR="$scratch"

# program_picture PROGRAM NAME [options]: the script comes from standard input.
program_picture() {
  local program="$1" name="$2"
  shift 2
  rm -f "$scratch"/*.ini
  "build/bin/$program" --script - --render "$out_dir/$name.png" "$@" >/dev/null
  echo "docs/pictures/$name.png"
}

# picture NAME [tovik options], gallery_picture NAME [gallery options]
picture() { program_picture tovik "$@"; }
gallery_picture() { program_picture gallery "$@"; }

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

# The gallery's pages, each after a few steps that show its controls at work.
gallery_picture gallery-spin-edits <<'EOF'
spin 1202 up
settext 1203 2.6
EOF
gallery_picture gallery-parsed-edits --page "Parsed edits" <<'EOF'
focus 1301
type 42
focus 1303
type Letters
EOF
gallery_picture gallery-modular-edits --page "Modular edits" <<'EOF'
focus 1401
key End
spin 1402 up
EOF
gallery_picture gallery-base-page --page "Base page" </dev/null
gallery_picture gallery-base-page-read-only --page "Base page" --read-only </dev/null
gallery_picture gallery-toolbox --page Toolbox <<'EOF'
click 1611
click 1619
click 1616
wait 1000
EOF
gallery_picture gallery-help --page Help </dev/null
