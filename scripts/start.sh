#!/usr/bin/env bash
# Builds Trimora and starts the windowed program (it needs a display; without one, try
# xvfb-run scripts/start.sh). Extra arguments go to the program, e.g. --workdir DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/trimora "$@"
