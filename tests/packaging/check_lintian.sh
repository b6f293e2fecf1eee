#!/usr/bin/env bash
# Debian's package checker on the package that packaging_deb built: any error or warning fails.
#   check_lintian.sh <deb-dir>
set -euo pipefail
if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed (Debian: lintian)"
    exit 77
fi
shopt -s nullglob
packages=("$1"/*.deb)
[ "${#packages[@]}" = 1 ] || { echo "FAIL: expected one .deb in $1, found ${#packages[@]}"; exit 1; }

# Exit status 1 is a tag at one of the --fail-on levels, 2 a failure of lintian itself.
status=0
report=$(lintian --info --fail-on error,warning "${packages[0]}" 2>&1) || status=$?
echo "$report"
if [ "$status" != 0 ] || grep -qE '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian exits with $status or reports errors or warnings (above)"
    exit 1
fi
echo "lintian: no error and no warning on $(basename "${packages[0]}")"
