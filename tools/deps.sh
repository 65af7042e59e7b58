#!/usr/bin/env bash
# Installs what building, running, testing and packaging need, skipping quickly what is there
# already. Extra package names given as arguments are installed as well (the screenshot script's).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libsdl2-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-ipafont-gothic clang libclang-rt-14-dev
          qt6-tools-dev qt6-l10n-tools dpkg-dev file desktop-file-utils appstream "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
