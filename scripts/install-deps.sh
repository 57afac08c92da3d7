#!/usr/bin/env bash
# Installs what building and testing Trimora needs on Debian (run as root). Skips the package
# manager when everything is already there.
set -euo pipefail

packages=(build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
  fonts-dejavu-core poppler-utils clang libclang-rt-dev libcli11-dev libcsv-dev locales desktop-file-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
# The exports are checked under a locale whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
