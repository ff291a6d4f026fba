#!/usr/bin/env bash
# Builds the Debian package of a build tree, unpacks it as dpkg installs it and checks that the
# desktop finds the program, its entry, its icon and its metadata; lintian must find no error.
# Usage: tst_package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/glimmet_*.deb)
deb=${debs[0]}
root=$work/root
dpkg -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)

for program in glimmet glimmet-font; do
    [ -x "$root/usr/bin/$program" ] || fail "no $program in /usr/bin"
    [ -f "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page of $program"
done
# grep reads the whole page: one that stopped at the match would leave zcat writing to a closed pipe.
zcat "$root/usr/share/man/zh_CN/man1/glimmet-font.1.gz" | grep '^\.SH 名称$' >/dev/null ||
    fail "no Chinese manual page of glimmet-font"
entry=$root/usr/share/applications/glimmet.desktop
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Exec=glimmet' "$entry" || fail "the desktop entry does not start /usr/bin/glimmet"

# The icon the entry names, in the hicolor theme: the 48-pixel picture and the scalable one.
icon=$(sed -n 's/^Icon=//p' "$entry")
for file in 48x48/apps/$icon.png scalable/apps/$icon.svg; do
    [ -f "$root/usr/share/icons/hicolor/$file" ] || fail "no icon $file"
done

# The metadata launches the entry and describes this release.
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metadata"
grep -q '<launchable type="desktop-id">glimmet.desktop</launchable>' "${metainfo[0]}" ||
    fail "the metadata does not launch the desktop entry"
grep -q "<release version=\"$version\"" "${metainfo[0]}" ||
    fail "no release $version in the metadata"

doc=$root/usr/share/doc/glimmet
grep -qx 'License: Expat' "$doc/copyright" || fail "the copyright file grants no MIT licence"
zcat "$doc/changelog.gz" | sed -n 1p | grep -F "glimmet ($version)" >/dev/null ||
    fail "the change log does not begin with $version"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-unifont fonts-wqy-zenhei qt6-translations-l10n; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in xfonts-wqy fonts-arphic-gbsn00lp; do
    [[ ", $recommends," == *", $package"[\ ,]* ]] || fail "Recommends lacks $package: $recommends"
done

lintian --fail-on error "$deb" || fail "lintian"
echo "$(basename "$deb"): $(dpkg-deb -c "$deb" | grep -vc '/$') files, all in place"
