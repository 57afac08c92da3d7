#!/usr/bin/env bash
# Builds Trimora and runs it on the demo job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
build/trimora-cli check examples/demo.trm
build/trimora-cli optimize examples/demo.trm -o "${TMPDIR:-/tmp}/demo-optimized.trm"
