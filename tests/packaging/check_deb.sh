#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control fields and its file list.
# packaging_lintian checks the package that this leaves in <work-dir>.
#   check_deb.sh <build-dir> <work-dir> <app-id> <version>
set -euo pipefail
build=$1
work=$2
app_id=$3
version=$4

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian: cmake, dpkg, dpkg-dev)"
        exit 77
    fi
done

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
shopt -s nullglob
packages=("$work"/*.deb)
if [ "${#packages[@]}" != 1 ]; then
    echo "FAIL: expected one .deb in $work, found ${#packages[@]}"
    cat "$work/cpack.log"
    exit 1
fi
deb=${packages[0]}
echo "package: $(basename "$deb")"

status=0
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vellumark ] || { echo "FAIL: Package is $(field Package)"; status=1; }
[ "$(field Version)" = "$version" ] || { echo "FAIL: Version is $(field Version)"; status=1; }
for package in libqt6widgets6 fonts-liberation2; do
    if ! field Depends | grep -q "$package"; then
        echo "FAIL: the package does not depend on $package: $(field Depends)"
        status=1
    fi
done

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/files.txt"
for path in \
    /usr/bin/vellumark \
    /usr/bin/vellumark-cli \
    "/usr/share/applications/$app_id.desktop" \
    "/usr/share/metainfo/$app_id.metainfo.xml" \
    "/usr/share/icons/hicolor/16x16/apps/$app_id.png" \
    "/usr/share/icons/hicolor/32x32/apps/$app_id.png" \
    /usr/share/doc/vellumark/copyright \
    /usr/share/doc/vellumark/changelog.gz \
    /usr/share/man/man1/vellumark.1.gz \
    /usr/share/man/man1/vellumark-cli.1.gz; do
    if ! grep -qx "$path" "$work/files.txt"; then
        echo "FAIL: $path is not in the package"
        status=1
    fi
done
# Nothing of the build or the tests leaks into the package.
if grep -E 'test|\.a$|/include/' "$work/files.txt"; then
    echo "FAIL: the package holds build or test files (above)"
    status=1
fi

if [ "$status" != 0 ]; then
    cat "$work/files.txt"
    exit 1
fi
echo "the package holds the programs, the desktop integration and the documents"
