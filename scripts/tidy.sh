#!/usr/bin/env bash
# Runs clang-tidy over our code, headers included: .clang-tidy on the code without Qt
# (engine/, runtime/, recovery/, window_core/, cli/), .clang-tidy-qt on the windows
# (main_window/, about/)
# where Qt is installed, and win32/.clang-tidy on the Windows front end (win32/) with MinGW's
# compile commands where MinGW-w64 is installed. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-tidy
tidy=$(command -v clang-tidy || command -v clang-tidy-14 || true)
if [ -z "$tidy" ]; then
    echo "tidy: clang-tidy not found (Debian package clang-tidy)" >&2
    exit 1
fi
start=$SECONDS

gui=OFF
if pkg-config --exists Qt6Widgets 2>/dev/null; then
    gui=ON
fi
# Only the compilation database and the windows' generated headers (moc, uic) are needed;
# clang++ keeps the recorded flags ones that clang-tidy understands.
cmake --preset tidy -DVELLUMARK_GUI=$gui >/dev/null
mapfile -t sources < <(ls engine/*.cpp runtime/*.cpp recovery/*.cpp window_core/*.cpp cli/*.cpp)
windows=()
if [ "$gui" = ON ]; then
    cmake --build "$build" --target vellumark_main_window_autogen vellumark_about_autogen >/dev/null
    mapfile -t windows < <(ls main_window/*.cpp about/*.cpp)
fi

log=$build/tidy.log
: >"$log"
# Two at a time; each file is checked with the headers it includes.
printf '%s\n' "${sources[@]}" |
    xargs -P 2 -I{} "$tidy" -p "$build" --quiet --warnings-as-errors='*' {} >>"$log" 2>&1 || true
if [ ${#windows[@]} -gt 0 ]; then
    printf '%s\n' "${windows[@]}" |
        xargs -P 2 -I{} "$tidy" -p "$build" --quiet --config-file=.clang-tidy-qt \
            --warnings-as-errors='*' {} >>"$log" 2>&1 || true
    sources+=("${windows[@]}")
fi
# The Windows front end, with the compile commands of the windows preset (build-windows),
# configured here when ./test.sh has not built it yet. Host clang-tidy compiles for MinGW's
# target with the cross compiler's libstdc++ and Windows headers, but its own intrinsics
# headers rather than GCC's.
mingw=x86_64-w64-mingw32-g++-posix
if command -v "$mingw" >/dev/null; then
    cmake --preset windows >/dev/null
    mingw_includes=()
    while read -r folder; do
        mingw_includes+=("--extra-arg=-isystem$folder")
    done < <("$mingw" -E -x c++ - -v </dev/null 2>&1 |
        sed -n '/^#include <...> search starts here/,/^End of search list/s/^ //p' |
        grep -v '/gcc/x86_64-w64-mingw32/[^/]*/include\(-fixed\)\{0,1\}$')
    mapfile -t win32 < <(ls win32/*.cpp)
    printf '%s\n' "${win32[@]}" |
        xargs -P 2 -I{} "$tidy" -p build-windows --quiet --warnings-as-errors='*' \
            --extra-arg=--target=x86_64-w64-mingw32 "${mingw_includes[@]}" {} >>"$log" 2>&1 || true
    sources+=("${win32[@]}")
fi
findings=$(grep -c -E ": (warning|error): |Error while processing" "$log" || true)
if [ "$findings" -ne 0 ]; then
    grep -A3 -E ': (warning|error): |Error while processing' "$log" >&2
    echo "tidy: FAILED, $findings finding(s) in ${#sources[@]} files ($((SECONDS - start)) s)" >&2
    exit 1
fi
echo "tidy: OK, ${#sources[@]} files clean ($((SECONDS - start)) s)"
