#!/usr/bin/env bash
# Installs what building, running, testing and packaging need, skipping quickly what is there
# already. Extra package names given as arguments are installed as well (the screenshot script's).
# A caller that has run it once exports TAISEN_DEPS_READY=1, and the scripts it starts skip it.
set -euo pipefail
[ "${TAISEN_DEPS_READY:-}" = 1 ] && [ $# -eq 0 ] && exit 0

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

install_missing cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libsdl2-dev libgtest-dev libgmock-dev \
    qt6-translations-l10n \
    libbenchmark-dev fonts-ipafont-gothic clang qt6-tools-dev qt6-l10n-tools dpkg-dev file desktop-file-utils \
    appstream qt6-websockets-dev libqrencode-dev chromium chromium-driver "$@"
# The sanitizers' and the fuzzer's runtime of whichever clang the distribution ships.
install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
