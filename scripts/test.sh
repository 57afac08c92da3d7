#!/usr/bin/env bash
# Builds Trimora and runs every test: first a check that no folder includes from above it, then
# the suite on the normal build, then the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking on), a minute of fuzzing for each reader, and last
# the Debian package checked as installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check_floors.sh
bash scripts/build.sh
ctest --preset default
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
bash scripts/fuzz.sh 60
bash scripts/check_package.sh
