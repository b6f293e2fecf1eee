# Sourced by the end-to-end tests: starts a private X server on a display that it picks
# itself, with a window manager on it as on a real desktop, and stops everything the test
# started when the test ends.
#
#   start_xvfb            exports DISPLAY, or exits 77 (skip) where Xvfb is not installed
#   track_pid PID         PID is killed when the script exits
#   wait_until SECS CMD   runs CMD every tenth of a second until it succeeds, for at most
#                         SECS seconds; a CMD that may hang needs a bound of its own

# A command that fails where nothing tests it ends the script (set -e): say which, where and
# with what status, rather than stop without a word. Only the script's own shell speaks: a
# command substitution's failure reaches it as the failure of the command that holds it.
set -E
trap 'status=$?; [ "$BASHPID" != "$$" ] ||
    echo "FAIL: \"$BASH_COMMAND\" exited with status $status (${BASH_SOURCE[0]##*/} line $LINENO)" >&2' ERR

tracked_pids=()
work_dir=$(mktemp -d)

track_pid() { tracked_pids+=("$1"); }

stop_tracked() {
    local i
    for ((i = ${#tracked_pids[@]} - 1; i >= 0; i--)); do
        kill "${tracked_pids[i]}" 2>/dev/null || true
        wait "${tracked_pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work_dir"
}
trap stop_tracked EXIT

wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            return 1
        fi
        sleep 0.1
    done
}

start_xvfb() {
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "SKIP: Xvfb is not installed, so there is no X server to run the window on." >&2
        echo "      Install it with: apt-get install xvfb (scripts/install-deps.sh does)." >&2
        exit 77
    fi
    # Xvfb writes the number of the display it chose once it accepts connections.
    # -noreset: the server would otherwise reset when its last client (the probe below) leaves,
    # and a client connecting meanwhile, the window manager, would find no display.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work_dir/display" \
        2>"$work_dir/xvfb.log" &
    track_pid $!
    if ! wait_until 20 test -s "$work_dir/display"; then
        echo "FAIL: Xvfb did not start:" >&2
        cat "$work_dir/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=":$(head -n 1 "$work_dir/display")"
    wait_until 10 xdpyinfo >/dev/null 2>&1 || { echo "FAIL: no X server on $DISPLAY" >&2; exit 1; }
    start_window_manager
    # The real X11 platform, whatever the test runner chose for the other tests.
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# Openbox frames, places and focuses the windows; it is up once it has announced itself on
# the root window (EWMH's supporting-WM check).
wm_is_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_window_manager() {
    command -v openbox >/dev/null 2>&1 || { echo "FAIL: openbox is not installed" >&2; exit 1; }
    openbox --sm-disable >"$work_dir/openbox.log" 2>&1 &
    track_pid $!
    if ! wait_until 20 wm_is_up; then
        echo "FAIL: the window manager did not start:" >&2
        cat "$work_dir/openbox.log" >&2
        exit 1
    fi
}
