#!/usr/bin/env bash
# Runs clang-tidy (configuration: .clang-tidy) over the code without Qt: engine/, runtime/ and
# cli/, headers included. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-tidy
tidy=$(command -v clang-tidy || command -v clang-tidy-14 || true)
if [ -z "$tidy" ]; then
    echo "tidy: clang-tidy not found (Debian package clang-tidy)" >&2
    exit 1
fi
start=$SECONDS

# Only the compilation database is needed, so nothing is built; clang++ keeps the recorded
# flags ones that clang-tidy understands.
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DVELLUMARK_GUI=OFF -DVELLUMARK_TESTS=OFF >/dev/null

mapfile -t sources < <(ls engine/*.cpp runtime/*.cpp cli/*.cpp)
log=$build/tidy.log
: >"$log"
# Two at a time; each file is checked with the headers it includes.
printf '%s\n' "${sources[@]}" |
    xargs -P 2 -I{} "$tidy" -p "$build" --quiet --warnings-as-errors='*' {} >>"$log" 2>&1 || true
findings=$(grep -c -E ": (warning|error): |Error while processing" "$log" || true)
if [ "$findings" -ne 0 ]; then
    grep -A3 -E ': (warning|error): |Error while processing' "$log" >&2
    echo "tidy: FAILED, $findings finding(s) in ${#sources[@]} files ($((SECONDS - start)) s)" >&2
    exit 1
fi
echo "tidy: OK, ${#sources[@]} files clean ($((SECONDS - start)) s)"
