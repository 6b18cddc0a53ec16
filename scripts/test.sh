#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
