#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a distribution would: lintian
# (pedantic, with informational tags), hardening-check on the programs, the desktop files'
# validators, its dependencies, and the packaged program answering --version, in each language.
# Usage: package.sh BUILD_FOLDER
set -uo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/propscope_*.deb)
lintian -I --pedantic --allow-root "$deb" >"$work/lintian.log" 2>&1
[[ ! -s $work/lintian.log ]] || fail "lintian: $(cat "$work/lintian.log")"

dpkg-deb -x "$deb" "$work/root"
# Debian 12's own C start files carry no control-flow marks, so no program linked there can.
for program in bin/tesselbox bin/tesselbox-demo-sheets libexec/tesselbox/tesselbox-decoder; do
    hardening-check --nocfprotection "$work/root/usr/$program" >"$work/hardening.log" ||
        fail "hardening-check: $(cat "$work/hardening.log")"
done
id=org.vorrin.Propscope
desktop-file-validate "$work/root/usr/share/applications/$id.desktop" >&2 || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$id.metainfo.xml" \
    >"$work/as.log" 2>&1 || fail "appstreamcli: $(cat "$work/as.log")"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 qt6-image-formats-plugins libqt6svg6 libseccomp2; do
    [[ $depends == *"$dep"* ]] || fail "the package does not depend on $dep: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == "qt6-wayland, qt6-translations-l10n" ]] ||
    fail "the package does not recommend qt6-wayland and qt6-translations-l10n"
version=$("$work/root/usr/bin/tesselbox" --version)
[[ $version == "Vorrin Propscope 1.02" ]] || fail "the packaged tesselbox --version says '$version'"
# The desktop entry and the AppStream text speak every language the program does, as it does.
english=$(LANGUAGE=en "$work/root/usr/bin/tesselbox" --help)
desktop=$work/root/usr/share/applications/$id.desktop
for ts in "$(dirname "$0")"/../../translations/tesselbox_*.ts; do
    lang=$(basename "$ts" .ts) && lang=${lang#tesselbox_}
    (($(grep -c -E "^(Comment|GenericName)\[$lang\]=" "$desktop") == 2)) ||
        fail "the desktop entry has no Comment[$lang] or GenericName[$lang]"
    (($(grep -c "xml:lang=\"$lang\"" "$work/root/usr/share/metainfo/$id.metainfo.xml") == 3)) ||
        fail "the AppStream text has no summary and description in $lang"
    [[ $(LANGUAGE=$lang "$work/root/usr/bin/tesselbox" --help) != "$english" ]] ||
        fail "the packaged tesselbox speaks no $lang"
done
echo "package: ok ($(du -k "$deb" | cut -f1) KiB; Depends: $depends)"
