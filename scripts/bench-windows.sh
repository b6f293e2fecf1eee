#!/usr/bin/env bash
# Times vellumark.exe's text boxes under Wine on a private X server (Xvfb) against bare
# multi-line EDIT boxes doing the same work (bench/win32_bench.cpp): a key at the 32,766-
# character limit, a mode change there, a paste of 10,000,000 characters. Wine's edit box is
# slow by itself, so only the ratios mean anything. Builds what it needs in build-windows
# (scripts/build-windows.sh). Prints a Markdown table; not part of ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
for tool in "$wine" Xvfb; do
    command -v "$tool" >/dev/null || { echo "bench-windows: $tool is missing" >&2; exit 1; }
done

scripts/build-windows.sh >/dev/null
cmake --build build-windows -j2 --target win32_bench >/dev/null

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
finish() {
    "$server" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
export DISPLAY=$display
timeout 120 "$wine" wineboot -i >/dev/null 2>&1
timeout 120 "$server" -w
"$server" -p
"$wine" build-windows/vellumark.exe >/dev/null 2>&1 &
for _ in $(seq 60); do
    if timeout 30 "$wine" build-windows/win32_probe.exe text 313 >/dev/null 2>&1; then
        break
    fi
    sleep 1
done
timeout 1200 "$wine" build-windows/win32_bench.exe | tr -d '\r'
