#!/usr/bin/env bash
# Cross-builds the Windows edition with Debian's MinGW-w64 into build-windows/ (the preset
# windows): the programs, linked statically, at the folder's top, and the zip of them with a
# README (cpack). Checks that each program needs only Windows' own DLLs and stays within
# 1.5 MB. Extra arguments go to the cmake configure step (scripts/check-windows.sh passes
# -DVELLUMARK_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows
max_bytes=$((1536 * 1024))

programs=(vellumark-cli)
# The native Win32 window, vellumark.exe, joins here once win32/ exists.
if [ -f win32/CMakeLists.txt ]; then
    programs+=(vellumark)
fi

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    echo "build-windows: the cross compiler is missing (Debian package g++-mingw-w64-x86-64-posix)" >&2
    exit 1
fi
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
# The engine tests build in the same folder (GoogleTest from source), but only on request:
# cpack builds what it installs, not everything.
cmake --preset windows "$@" >/dev/null
cmake --build "$build" -j2 --target "${programs[@]}"

# Windows' own DLLs: the C runtime that every Windows ships (msvcrt) and the system's API sets.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|oleacc|advapi32|uxtheme|dwmapi|msvcrt|api-ms-win-[a-z0-9-]+)\.dll$'
summary=()
for program in "${programs[@]}"; do
    exe=$build/$program.exe
    for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p'); do
        if ! grep -Eqi "$system_dlls" <<<"$dll"; then
            echo "build-windows: $exe needs $dll, which Windows does not ship" >&2
            exit 1
        fi
    done
    bytes=$(stat -c %s "$exe")
    if [ "$bytes" -gt "$max_bytes" ]; then
        echo "build-windows: $exe is $bytes bytes, more than $max_bytes" >&2
        exit 1
    fi
    summary+=("$program.exe $((bytes / 1024)) KiB")
done

rm -f "$build"/vellumark-*.zip
(cd "$build" && cpack -G ZIP >/dev/null)
zip=$(ls "$build"/vellumark-*.zip)
echo "build-windows: ${summary[*]}; $zip"

# The installer beside the zip (cmake/Packaging.cmake).
if ! command -v wixl >/dev/null; then
    echo "build-windows: wixl is missing (Debian package wixl)" >&2
    exit 1
fi
rm -f "$build"/vellumark-*-win64.msi
cmake --build "$build" --target vellumark_msi
echo "build-windows: $(ls "$build"/vellumark-*-win64.msi)"
