#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler and checks the
# version block and the icon in what comes out.
#   check_windres.sh <resource-script> <resources-dir> <work-dir> <version>
set -euo pipefail
script=$1
resources=$2
work=$3
version=$4
here=$(cd "$(dirname "$0")" && pwd)

windres=$(command -v i686-w64-mingw32-windres || true)
if [ -z "$windres" ]; then
    echo "SKIP: i686-w64-mingw32-windres is not installed (Debian: binutils-mingw-w64-i686)"
    exit 77
fi
# windres preprocesses with the MinGW compiler; where only the binutils are installed, the
# host's preprocessor does as well, since the script includes no platform headers.
preprocessor=()
if ! command -v i686-w64-mingw32-gcc >/dev/null; then
    preprocessor=(--preprocessor=cpp)
fi

rm -rf "$work"
mkdir -p "$work"
"$windres" "${preprocessor[@]}" -I "$resources" -i "$script" -O res \
    -o "$work/vellumark.res"
# The object file is what a Windows build links into the program.
"$windres" "${preprocessor[@]}" -I "$resources" -i "$script" -O coff \
    -o "$work/vellumark.o"
python3 "$here/check_version_resource.py" "$work/vellumark.res" "$version"
