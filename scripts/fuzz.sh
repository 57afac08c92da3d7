#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (preset fuzz) and runs each for SECONDS (default 60)
# from its seeds in tests/fuzz/seeds, on a copy, so the seeds stay as they are. A crash, a
# sanitizer report, a hang over 10 s or 2 GB of memory stops the run with the input saved.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in job_file table_file settings; do
  corpus=$(mktemp -d)
  cp tests/fuzz/seeds/$target/* "$corpus"/
  build-fuzz/${target}_fuzz "$corpus" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1
  rm -rf "$corpus"
done
