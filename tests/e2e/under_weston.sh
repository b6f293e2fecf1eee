#!/usr/bin/env bash
# Runs a command as a native Wayland client (Qt's wayland platform) of a private Weston
# compositor, as Qt programs run on current KDE and GNOME desktops. Weston runs as a window on a
# private X server: its X11 backend gives it a seat with a keyboard, so that it activates the
# windows it shows, as a desktop does; a headless Weston has no keyboard and activates nothing.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
if ! command -v weston >/dev/null 2>&1; then
    echo "SKIP: weston is not installed (apt-get install weston qt6-wayland)." >&2
    exit 77
fi
start_xvfb
export XDG_RUNTIME_DIR="$work_dir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --socket=wayland-test \
    --idle-time=0 >"$work_dir/weston.log" 2>&1 &
weston_pid=$!
track_pid "$weston_pid"
if ! wait_until 20 test -S "$XDG_RUNTIME_DIR/wayland-test"; then
    echo "FAIL: weston did not start:" >&2
    cat "$work_dir/weston.log" >&2
    exit 1
fi
export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
# Qt 6.4's own Wayland input context asks the seat's keyboard on every key and crashes where
# there is none; the compose input context needs no seat.
export QT_IM_MODULE=compose
unset DISPLAY
status=0
"$@" || status=$?
# A client that ends badly may have lost its compositor, or the compositor may have said why it
# cut the client off: its log tells.
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    kill -0 "$weston_pid" 2>/dev/null || echo "weston is no longer running" >&2
    echo "the end of weston's log:" >&2
    tail -n 20 "$work_dir/weston.log" >&2
fi
exit "$status"
