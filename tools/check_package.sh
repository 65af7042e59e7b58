#!/usr/bin/env bash
# Unpacks a built package into a scratch folder, starts the unpacked program with no display,
# checks that the tree holds everything and validates the desktop entry and the metainfo.
#   bash tools/check_package.sh build-package/taisen_1.0.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
package=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$package" "$scratch"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/usr/bin/taisen" --version)
echo "unpacked program answers: $version"
[[ $version =~ ^taisen\ [0-9]+\.[0-9]+\.[0-9]+$ ]]

id=org.taisen.Taisen
expected=(usr/bin/taisen usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man6/taisen.6.gz)
for size in 48 64 128 256; do expected+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png); done
while IFS= read -r asset; do expected+=("usr/share/taisen/$asset"); done < <(cd assets && find img snd -type f | sort)
for file in "${expected[@]}"; do
    [ -f "$scratch/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
echo "package holds all ${#expected[@]} files"

depends=$(dpkg-deb -f "$package" Depends)
[[ $depends == *fonts-ipafont-gothic* ]] || { echo "the package does not depend on the interface font: $depends"; exit 1; }

desktop-file-validate "$scratch/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/$id.metainfo.xml"
