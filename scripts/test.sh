#!/usr/bin/env bash
# Builds Trimora and runs every test, after checking that no folder includes from above it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check_floors.sh
bash scripts/build.sh
ctest --preset default
