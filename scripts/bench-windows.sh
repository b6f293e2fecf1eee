#!/usr/bin/env bash
# Times vellumark.exe's text boxes under Wine on a private X server (Xvfb) against bare
# multi-line EDIT boxes doing the same work (bench/win32_bench.cpp says what each side does):
#   a key at the 32,766-character limit: vellumark.exe's input takes the key, the window encrypts
#     it and sets the output; the bare input takes the key and the bare output is set to the
#     same text;
#   a mode change (Ctrl+D's command) with a cipher text of 32,766 characters, to decrypt and
#     back: both sides change the two boxes' break procedures and set the output to the same
#     text where it changed;
#   a paste of 10,000,000 characters in lines of 76: both input boxes, limited to 131,064
#     characters, take that much of it; vellumark.exe then refuses it as too long and says so.
# The key and the mode change are medians of a few runs, the paste is timed once a side. Wine's
# edit box is slow by itself, so only the ratios mean anything. Each row prints as soon as it
# is measured; a step past its bound stops the run with a message. Builds what it needs in
# build-windows (scripts/build-windows.sh). Prints a Markdown table; not part of ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
for tool in "$wine" Xvfb; do
    command -v "$tool" >/dev/null || { echo "bench-windows: $tool is missing" >&2; exit 1; }
done

scripts/build-windows.sh >/dev/null
cmake --build build-windows -j2 --target win32_probe win32_bench >/dev/null

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
status=0
timeout 300 "$wine" wineboot -i >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || { echo "bench-windows: wineboot failed (status $status; 124: over 300 s)" >&2; exit 1; }
timeout 120 "$server" -w || { echo "bench-windows: the prefix's set-up did not end within 120 s" >&2; exit 1; }
"$server" -p
"$wine" build-windows/vellumark.exe >/dev/null 2>&1 &
started=
for _ in $(seq 60); do
    if timeout 30 "$wine" build-windows/win32_probe.exe text 313 >/dev/null 2>&1; then
        started=1
        break
    fi
    sleep 1
done
[ -n "$started" ] || { echo "bench-windows: vellumark.exe showed no window within a minute" >&2; exit 1; }

echo "bench-windows: timing under Wine; each row takes a few minutes" >&2
# Wine writes CR LF; sed -u passes each row on at once.
status=0
timeout 1800 "$wine" build-windows/win32_bench.exe | sed -u 's/\r$//' || status=$?
case $status in
    0) ;;
    124) echo "bench-windows: the run took more than 30 minutes; stopped" >&2 ;;
    *) echo "bench-windows: win32_bench failed (exit status $status)" >&2 ;;
esac
exit "$status"
