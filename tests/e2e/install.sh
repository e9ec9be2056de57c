#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates the desktop integration files, builds the
# Debian package and checks it, then runs the installed program the way a new user would: from
# the home folder, with demo sheets only in the user's data folder.
# Usage: install.sh BUILD_FOLDER [SCREENSHOT_FOLDER]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build=$(realpath "$1")
shots=${2:-}
begin_e2e

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.vorrin.Propscope
for f in bin/tesselbox bin/tesselbox-demo-sheets share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/man/man1/tesselbox.1.gz \
    share/icons/hicolor/32x32/apps/$id.png share/icons/hicolor/256x256/apps/$id.png; do
    [[ -f $prefix/$f ]] || fail "not installed: $f"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" >"$work/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$work/desktop.log")"
grep -v '^$' "$work/desktop.log" | grep -qv 'hint' && fail "desktop-file-validate: $(cat "$work/desktop.log")"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
    fail "appstreamcli: $(cat "$work/as.log")"
grep -q '<release version="1.02"' "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "metainfo lacks version 1.02"
zcat "$prefix/share/man/man1/tesselbox.1.gz" | head -n1 | grep -q '^\.TH TESSELBOX 1' ||
    fail "man page header"

# The package, with the dependencies the library scan found.
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/package/propscope_1.02_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-image-formats-plugins qt6-qpa-plugins; do
    [[ $depends == *"$dep"* ]] || fail "package does not depend on $dep: $depends"
done
contents=$(dpkg-deb -c "$deb")
grep -q ' ./usr/bin/tesselbox$' <<<"$contents" || fail "package lacks /usr/bin/tesselbox"
grep -q " ./usr/share/applications/$id.desktop$" <<<"$contents" || fail "package lacks the desktop file"
mkdir "$work/unpacked"
dpkg-deb -x "$deb" "$work/unpacked"
[[ $("$work/unpacked/usr/bin/tesselbox" --version) == "Vorrin Propscope 1.02" ]] ||
    fail "packaged tesselbox --version"

# A new user: demo sheets in the user's data folder, the program started from home.
home=$work/home
mkdir -p "$home"
export HOME=$home
unset XDG_DATA_HOME XDG_CONFIG_HOME
export XDG_DATA_DIRS=/usr/share
"$prefix/bin/tesselbox-demo-sheets" --if-empty >/dev/null
[[ $(ls "$home/.local/share/tesselbox/sheets" | wc -l) -eq 119 ]] || fail "demo sheets not written"
"$prefix/bin/tesselbox-demo-sheets" --if-empty | grep -q 'nothing written' ||
    fail "demo sheets written twice"

start_x
cd "$home"
start_program "$prefix/bin/tesselbox"
press Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down \
    Down Down Down Down Down Down Down Down Down Down Down # Buildings 27: ghost.qpk
xdotool search --onlyvisible --name '^Vorrin Propscope$' >/dev/null 2>&1 &&
    fail "a message box appeared: $(cat "$work/stderr")"
expect_colour $((WIN_X + 250)) $((WIN_Y + 56)) 140 59 42 "(demo sheet of Buildings)"
if [[ -n $shots ]]; then
    import -window root -crop "650x439+$WIN_X+$WIN_Y" +repage "$shots/readme-window.png"
fi
echo "install: ok ($(du -k "$deb" | cut -f1) KiB package; Depends: $depends)"
