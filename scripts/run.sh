#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs the host on the
# shipped sample protocols.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
exec build/bin/settings-probe "$@"
