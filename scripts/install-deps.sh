#!/usr/bin/env bash
# Installs the Debian 12 packages that building and running (`run`) or also testing (`test`)
# need, skipping what is already there. `--print KIND` only lists them.
set -euo pipefail

# The SVG reader comes with libqt6svg6; zlib unpacks .svgz sheets; libseccomp locks the decoding
# helper down; qt6-wayland shows the window natively on a Wayland desktop. Qt's Linguist tools
# build the translations in; qt6-translations-l10n has Qt's own words in the user's language.
run_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-image-formats-plugins libqt6svg6
    zlib1g-dev libseccomp-dev fonts-dejavu-core qt6-wayland qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n)
# Tests also drive the program in a real X server (xclip puts a picture on its clipboard) and in
# a Wayland compositor (weston, inside the X server), build the benchmarks (start-up watches the
# X server through Xlib; key-to-paint presses keys through XTEST and sees the paints through
# DAMAGE) and the fuzz target, check every translation is finished (python3 reads lupdate's
# files), and check the Debian package as a distribution would.
test_packages=("${run_packages[@]}" libgtest-dev libbenchmark-dev libjpeg-dev xvfb xdotool
    x11-utils xclip weston imagemagick desktop-file-utils appstream dpkg-dev file lintian
    devscripts libx11-dev libxtst-dev libxdamage-dev clang-14 libfuzzer-14-dev
    libclang-rt-14-dev python3)

print=false
if [[ ${1:-} == --print ]]; then
    print=true
    shift
fi
case ${1:-test} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${test_packages[@]}") ;;
*) echo "usage: $0 [--print] run|test" >&2; exit 2 ;;
esac

if $print; then
    echo "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [[ $status == installed ]] || missing+=("$p")
done
((${#missing[@]})) || exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
