#!/usr/bin/env bash
# Builds Trimora and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --preset default
