#!/usr/bin/env bash
# The main job: installs what is missing, builds, and opens tovik's options
# sheet in this terminal on each shipped sample protocol in turn, with a demo
# profile file in build/demo/ (never the user's own). Run without a terminal,
# it drives the sheet with the demo script host/demo.tovik instead, and says so.
#   scripts/run.sh                      every shipped protocol, one after another
#   scripts/run.sh --protocol termlink  one sheet, with any of tovik's options
#   scripts/run.sh --script FILE        the script front end on FILE
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null

demo_dir="$PWD/build/demo"
mkdir -p "$demo_dir"
export TOVIK_WINDIR="$demo_dir"

show_profile() {
  echo "== the profile file: $demo_dir/$1"
  cat "$demo_dir/$1" 2>/dev/null || echo "(not written)"
}

given_script=no
for arg in "$@"; do
  case "$arg" in --script | --script=*) given_script=yes ;; esac
done

if [ -t 0 ] && [ -t 1 ] && [ "$given_script" = no ]; then
  # One demo profile file for the whole run, fresh at its start.
  profile=demo.ini
  rm -f "$demo_dir/$profile"
  echo "tovik's options sheet opens in this terminal; the demo profile file is $demo_dir/$profile."
  echo "Keys: Tab and Shift+Tab move, Space ticks, Enter is OK, Escape is Cancel, Alt+letter is the"
  echo "underlined letter, Ctrl+PageUp/PageDown switch pages, F1 asks for help; the mouse clicks too."
  if [ $# -gt 0 ]; then
    build/bin/tovik --profile "$profile" "$@"
    show_profile "$profile"
  else
    for description in protocols/*.xpd; do
      protocol="$(basename "$description" .xpd)"
      read -r -p "== Enter opens the sheet on protocol $protocol (q and Enter stops): " answer
      [ "$answer" = q ] && break
      build/bin/tovik --profile "$profile" --protocol "$protocol"
      show_profile "$profile"
    done
  fi
  exit 0
fi

# No terminal (or a script given): the script front end, one fresh demo
# profile file per run.
run_demo() {
  local profile="$1"
  shift
  rm -f "$demo_dir/$profile"
  build/bin/tovik --profile "$profile" --script host/demo.tovik "$@"
  show_profile "$profile"
}

if [ "$given_script" = yes ]; then
  rm -f "$demo_dir/demo.ini"
  build/bin/tovik --profile demo.ini "$@"
  show_profile demo.ini
  exit 0
fi
echo "Standard input or output is not a terminal: the demo script host/demo.tovik drives the sheet instead."
if [ $# -gt 0 ]; then
  run_demo demo.ini "$@"
else
  for description in protocols/*.xpd; do
    protocol="$(basename "$description" .xpd)"
    echo "== tovik --protocol $protocol --script host/demo.tovik"
    run_demo "demo_$protocol.ini" --protocol "$protocol"
  done
fi
