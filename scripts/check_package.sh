#!/usr/bin/env bash
# Builds the Debian package and checks it as a user gets it, unpacked into a scratch root: the
# files it holds, its dependencies, the desktop entry, --version of both programs, and a first
# start of trimora that seeds the user's folder from the installed samples.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset default --target package
version=$(sed -n 's/^project(Trimora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=build/trimora_${version}_$(dpkg --print-architecture).deb
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for file in bin/trimora bin/trimora-cli share/applications/trimora.desktop \
    share/mime/packages/trimora.xml share/icons/hicolor/scalable/apps/trimora.svg \
    share/icons/hicolor/48x48/apps/trimora.png share/man/man1/trimora.1.gz \
    share/man/man1/trimora-cli.1.gz share/trimora/Defaults share/trimora/dia.set \
    share/trimora/lbl.def share/trimora/demo.trm; do
  [ -e "$root/usr/$file" ] || { echo "the package lacks /usr/$file"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt dependency found"; exit 1; }
desktop-file-validate "$root/usr/share/applications/trimora.desktop"
[ "$("$root/usr/bin/trimora-cli" --version)" = "trimora-cli $version" ]
[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/trimora" --version)" = "trimora $version" ]
status=0
QT_QPA_PLATFORM=offscreen "$root/usr/bin/trimora" --no-such-option 2>/dev/null || status=$?
[ "$status" = 64 ] || { echo "trimora ended with status $status on a usage error"; exit 1; }

# The first start: the launcher opens with a folder of its own, seeded from share/trimora.
home=$root/home
mkdir "$home"
status=0
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/trimora" \
  || status=$?
[ "$status" = 124 ] || { echo "trimora ended with status $status at its first start"; exit 1; }
cmp "$home/.local/share/Trimora/Defaults" "$root/usr/share/trimora/Defaults"
echo "package $deb: ok"
