#!/usr/bin/env bash
# The real program under a window manager, as people run it: the about box stands centred on
# the main window's outer rectangle (frame and title bar included), the focus comes back to the
# code-number box with its text and caret after it, and the window keeps its fixed size. (The
# focus after a menu and a right press into the code number are keyboard_test's and the
# behaviour table's, which run under this window manager too: e2e.keyboard_test_on_x11,
# behaviour.qt_on_x11.)
#
#   window_on_a_desktop.sh <vellumark>
set -euo pipefail
app=$1
source "$(dirname "$0")/xvfb.sh"
start_xvfb

failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
typed() { xdotool type --delay 40 "$1"; }

# Left, top, width and height of a window's outer rectangle: the client area as the X server
# places it, widened by the frame extents that the window manager announces.
outer_rect() {
    local x y w h left right top bottom
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { print x, y, w, h }')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

client_size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'; }

has_frame() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }

# The text of the code-number box, read through the clipboard.
code_box_is() {
    keys alt+c ctrl+a ctrl+c
    wait_until 5 bash -c '[ "$(xclip -o -selection clipboard 2>/dev/null)" == "$1" ]' _ "$1" || {
        echo "  the code box holds '$(xclip -o -selection clipboard 2>/dev/null)', not '$1'" >&2
        return 1
    }
}

"$app" >"$work_dir/app.log" 2>&1 &
app_pid=$!
track_pid "$app_pid"
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vellumark$' | head -n 1) || {
    echo "FAIL: the window did not open" >&2
    exit 1
}
wait_until 10 has_frame "$window" || { echo "FAIL: the window manager did not frame the window" >&2; exit 1; }
xdotool windowactivate --sync "$window"
size=$(client_size "$window")

# The window manager offers neither resizing nor maximizing, and refuses a resize request.
check "the window manager may not resize the window" \
    bash -c "! xprop -id $window _NET_WM_ALLOWED_ACTIONS | grep -Eq 'RESIZE|MAXIMIZE'"
xdotool windowsize "$window" 700 500

# The about box, opened over a main window away from the screen's edges, where the window
# manager leaves both windows where they ask to be.
xdotool windowmove --sync "$window" 260 180
read -r mx my mw mh < <(outer_rect "$window")
# A click into the code box selects its whole text, which the digits typed next replace.
xdotool mousemove --sync --window "$window" 40 43 click 1
typed 517
keys alt+h a
about=
find_about() {
    about=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -vx "$window" | head -n 1)
    [ -n "$about" ] && has_frame "$about"
}
if wait_until 10 find_about; then
    read -r ax ay aw ah < <(outer_rect "$about")
    echo "main window outer $mx,$my ${mw}x$mh; about box outer $ax,$ay ${aw}x$ah"
    # Twips are rounded to whole pixels once: a pixel of slack, no more.
    centred() { local d=$(((2 * $1 + $2) - (2 * $3 + $4))); [ "${d#-}" -le 2 ]; }
    check "the about box is centred across the main window's outer rectangle" centred "$ax" "$aw" "$mx" "$mw"
    check "the about box is centred down the main window's outer rectangle" centred "$ay" "$ah" "$my" "$mh"
    [ -z "${VELLUMARK_SHOT:-}" ] || import -window root "$VELLUMARK_SHOT"
    keys Return
    wait_until 10 bash -c "! xwininfo -id $about 2>/dev/null | grep -q IsViewable" ||
        check "Enter closes the about box" false
    wait_until 10 bash -c "[ \"\$(xdotool getactivewindow)\" == $window ]" ||
        check "the main window is active again" false
    typed 2
    check "after the about box closes the code box goes on with its text (5172)" code_box_is 5172
else
    check "the about box opens" false
fi

check "the window kept its size ($size)" test "$(client_size "$window")" == "$size"

keys alt+f x
wait_until 10 bash -c "! kill -0 $app_pid 2>/dev/null" || check "Exit ends the program" false
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo PASS
