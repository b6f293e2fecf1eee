#!/usr/bin/env bash
# Installs the build into a folder and checks the desktop integration there: the two
# programs, the desktop entry, the AppStream metainfo and the theme icons, validated with
# the desktop's own tools.
#   check_install.sh <build-dir> <work-dir> <app-id> <version>
set -euo pipefail
build=$1
work=$2
app_id=$3
version=$4

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian: desktop-file-utils, appstream)"
        exit 77
    fi
done

rm -rf "$work"
cmake --install "$build" --prefix "$work/usr" >/dev/null
root=$work/usr
status=0
expect() {
    if [ ! -f "$root/$1" ]; then
        echo "FAIL: $1 is not installed"
        status=1
    fi
}
expect bin/vellumark
expect bin/vellumark-cli
expect "share/applications/$app_id.desktop"
expect "share/metainfo/$app_id.metainfo.xml"
expect "share/icons/hicolor/16x16/apps/$app_id.png"
expect "share/icons/hicolor/32x32/apps/$app_id.png"
[ "$status" = 0 ] || exit 1

for size in 16 32; do
    if ! file "$root/share/icons/hicolor/${size}x$size/apps/$app_id.png" |
        grep -q "PNG image data, $size x $size"; then
        echo "FAIL: the ${size}px theme icon is not a $size x $size PNG"
        status=1
    fi
done

desktop=$root/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || status=1
grep -qx 'Name=Vellumark' "$desktop" || { echo "FAIL: the entry is not named Vellumark"; status=1; }
grep -qx "Icon=$app_id" "$desktop" || { echo "FAIL: the entry does not name the icon"; status=1; }
grep -qx 'Exec=vellumark' "$desktop" || { echo "FAIL: the entry does not start vellumark"; status=1; }
grep -q '^Categories=.*Utility;' "$desktop" || { echo "FAIL: not a utility"; status=1; }

metainfo=$root/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || status=1
grep -q "<release version=\"$version\"" "$metainfo" || { echo "FAIL: no release $version"; status=1; }
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    { echo "FAIL: the metainfo does not launch the desktop entry"; status=1; }

[ "$status" = 0 ] && echo "installed desktop integration is complete and valid"
exit "$status"
