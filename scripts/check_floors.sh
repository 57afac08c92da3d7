#!/usr/bin/env bash
# Fails when a file includes from a folder on a higher floor than its own. The floors, lowest
# first: storage; engine and platform; grid; libraries; results; shell; app.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A floor=([storage]=0 [engine]=1 [platform]=1 [grid]=2 [libraries]=3 [results]=4
                  [shell]=5 [app]=6)
status=0
for folder in "${!floor[@]}"; do
  while IFS=: read -r file target; do
    to=${target%%/*}
    [[ -v floor[$to] ]] || continue
    if ((floor[$to] > floor[$folder])) || { ((floor[$to] == floor[$folder])) && [[ $to != "$folder" ]]; }; then
      echo "$file includes $target: $to is not below $folder"
      status=1
    fi
  done < <(grep -H -o '#include "[a-z_]*/[a-z_./]*"' "$folder"/*.cpp "$folder"/*.h 2>/dev/null |
           sed 's/#include "//; s/"$//')
done
exit $status
