#!/usr/bin/env bash
# Runs clang-tidy over our code, headers included: .clang-tidy on the code without Qt
# (engine/, runtime/, recovery/, window_core/, cli/), .clang-tidy-qt on the windows
# (main_window/, about/)
# where Qt is installed, .clang-tidy on the page's C++ (web/) where emscripten is, and
# .clang-tidy less the checks that fight the Win32 API on the Windows front end (win32/) with
# MinGW's compile commands where MinGW-w64 is. Exits non-zero on any finding.
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
# The page's C++ with the web build's compilation database (emcmake's, build-web/cmake) and
# emscripten's own target, sysroot and defines, which em++ adds to each command by itself.
tidy_web() {
    command -v em++ >/dev/null || return 0
    NODE_PATH=/usr/share/nodejs cmake --preset web >/dev/null
    local flags=() flag web=()
    for flag in $(em++ --cflags 2>/dev/null); do
        flags+=("--extra-arg=$flag")
    done
    mapfile -t web < <(ls web/*.cpp)
    printf '%s\n' "${web[@]}" |
        xargs -P 2 -I{} "$tidy" -p build-web/cmake --quiet --header-filter='.*/web/.*\.h$' \
            "${flags[@]}" --warnings-as-errors='*' {} >>"$log" 2>&1 || true
    sources+=("${web[@]}")
}
tidy_web

# The Windows front end, with the compile commands of the windows preset (build-windows),
# configured here when ./test.sh has not built it yet. Host clang-tidy compiles for MinGW's
# target with the cross compiler's libstdc++ and Windows headers, but its own intrinsics
# headers rather than GCC's.
tidy_win32() {
    local mingw=x86_64-w64-mingw32-g++-posix folder includes=() win32=()
    command -v "$mingw" >/dev/null || return 0
    cmake --preset windows >/dev/null
    while read -r folder; do
        includes+=("--extra-arg=-isystem$folder")
    done < <("$mingw" -E -x c++ - -v </dev/null 2>&1 |
        sed -n '/^#include <...> search starts here/,/^End of search list/s/^ //p' |
        grep -v '/gcc/x86_64-w64-mingw32/[^/]*/include\(-fixed\)\{0,1\}$')
    # Left out, as they fight the Win32 API itself: a message carries handles and pointers in
    # its WPARAM and LPARAM, and the API hands back procedures as FARPROC (reinterpret casts,
    # ints to pointers); a const handle (const HWND) is meant, not a pointer to const; the
    # accessibility interfaces speak in VARIANTs (union access).
    local checks=-cppcoreguidelines-pro-type-reinterpret-cast,-performance-no-int-to-ptr
    checks+=,-misc-misplaced-const,-cppcoreguidelines-pro-type-union-access
    mapfile -t win32 < <(ls win32/*.cpp)
    printf '%s\n' "${win32[@]}" |
        xargs -P 2 -I{} "$tidy" -p build-windows --quiet --warnings-as-errors='*' \
            --checks="$checks" --header-filter='.*/win32/[^/]*\.h$' \
            --extra-arg=--target=x86_64-w64-mingw32 "${includes[@]}" {} >>"$log" 2>&1 || true
    sources+=("${win32[@]}")
}
tidy_win32

findings=$(grep -c -E ": (warning|error): |Error while processing" "$log" || true)
if [ "$findings" -ne 0 ]; then
    grep -A3 -E ': (warning|error): |Error while processing' "$log" >&2
    echo "tidy: FAILED, $findings finding(s) in ${#sources[@]} files ($((SECONDS - start)) s)" >&2
    exit 1
fi
echo "tidy: OK, ${#sources[@]} files clean ($((SECONDS - start)) s)"
