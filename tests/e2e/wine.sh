# Sourced by clipboard_round_trip.sh for the Windows edition: runs vellumark.exe under Wine
# on the private X server, with a window manager, and reads what X cannot see through
# win32_probe.exe.
#
#   start_wine              a Wine prefix ($WINEPREFIX if set, else a new one) serving this
#                           X server, openbox, and a stand-in for xdg-open that notes what
#                           the shell was asked to open (in $opened)
#   probe ARGS...           runs win32_probe.exe (see its source)
#   expect_probe WHAT WANT ARGS...

wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
opened=$work_dir/opened

start_wine() {
    [ -x "$wine" ] || fail "$wine is missing (Debian package wine64)"
    command -v openbox >/dev/null 2>&1 || fail "openbox is not installed"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -z "${WINEPREFIX:-}" ]; then
        export WINEPREFIX=$work_dir/prefix
        mkdir -p "$WINEPREFIX"
    fi
    # A server that an earlier step of the run started without this display would give the
    # program no X driver: start afresh, on this display.
    "$server" -k 2>/dev/null || true
    "$server" -w 2>/dev/null || true
    openbox >"$work_dir/openbox.log" 2>&1 &
    track_pid $!
    # Wine's own errors, which WINEDEBUG=-all hides, say why a set-up failed.
    local status=0
    WINEDEBUG=err+all timeout 120 "$wine" wineboot -i >"$work_dir/wineboot.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "wineboot did not set up the prefix (status $status):
$(grep -v '^[0-9a-f]*:fixme:' "$work_dir/wineboot.log" | tail -n 20)"
    # A crash ends the program with a backtrace in its log instead of waiting in a dialog.
    timeout 60 "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD \
        /d 0 /f >/dev/null 2>&1 || fail "could not turn Wine's crash dialog off"
    timeout 120 "$server" -w || fail "the prefix's set-up did not end within 120 s"
    "$server" -p
    # Wine's browser hands web addresses to xdg-open: this one only writes them down.
    mkdir -p "$work_dir/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$opened" >"$work_dir/bin/xdg-open"
    chmod +x "$work_dir/bin/xdg-open"
    export PATH="$work_dir/bin:$PATH"
}

stop_wine() { "$server" -k 2>/dev/null || true; }

# A program that hangs would keep the probe waiting for its answer.
probe() { timeout 60 "$wine" "$probe_exe" "$@"; }

expect_probe() {
    local what=$1 want=$2
    shift 2
    local got
    got=$(probe "$@") || fail "$what: win32_probe $* failed"
    [ "$got" == "$want" ] || fail "$what: expected '$want', got '$got'"
}

# Control IDs of win32/resource_ids.h.
id_code=301 id_in=303 id_paste=304 id_clear=305 id_cut=306 id_copy=307 id_out=308 id_notice=313

expect_buttons() {
    local what=$1 want=$2 got="" id
    for id in $id_paste $id_clear $id_cut $id_copy; do
        got+=$(probe enabled "$id") || fail "$what: win32_probe enabled $id failed"
    done
    [ "$got" == "$want" ] || fail "$what: Paste, Clear, Cut, Copy enabled $got, expected $want"
}

# The pointer's size and hot spot, as "32x32+5+0", from the X server (XFixes): Wine shows the
# Windows cursor of the window under the pointer as the X cursor.
pointer() {
    python3 - <<'PYTHON'
import ctypes
x11, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort)]
x11.XOpenDisplay.restype = ctypes.c_void_p
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
image = xfixes.XFixesGetCursorImage(x11.XOpenDisplay(None)).contents
print(f"{image.width}x{image.height}+{image.xhot}+{image.yhot}")
PYTHON
}

pointer_is() { [ "$(pointer)" == "$1" ]; }

not_hand() { ! pointer_is 32x32+5+0; }

# The about box: centred over the main window's outer rectangle (half a pixel goes to the
# higher one), opens its address through the shell when it is clicked, and "Ok" closes it.
check_about_box() {
    keys alt+h a
    wait_until 15 bash -c "[ \"\$(timeout 60 '$wine' '$probe_exe' about)\" != none ]" ||
        fail "Help > About did not open the about box"
    local left top width height main_left main_top main_width main_height
    local rectangles
    rectangles=$(probe about) || fail "win32_probe about failed"
    read -r left top width height main_left main_top main_width main_height <<<"$rectangles"
    [ "$left" -eq $(((2 * main_left + main_width - width + 1) / 2)) ] &&
        [ "$top" -eq $(((2 * main_top + main_height - height + 1) / 2)) ] ||
        fail "the about box at $left,$top ($width x $height) is not centred on the main window at $main_left,$main_top ($main_width x $main_height)"
    # The address: centred over the frame, 213 x 128 pixels into the client area at 96 DPI;
    # the dialog border is equal on all sides.
    local border=$(((width - 346) / 2))
    # Over the address the pointer is the hand of resources/hand.cur (32 x 32, the hot spot at
    # the finger's tip); over the rest of the box it is not.
    xdotool mousemove $((left + border + 213)) $((top + border + 128)) ||
        fail "xdotool could not move the pointer"
    wait_until 10 pointer_is 32x32+5+0 || fail "the pointer over the address is $(pointer), not the hand"
    xdotool mousemove $((left + border + 100)) $((top + border + 20)) ||
        fail "xdotool could not move the pointer"
    wait_until 10 not_hand || fail "the pointer stays the hand away from the address"
    xdotool mousemove $((left + border + 213)) $((top + border + 128)) click 1 ||
        fail "xdotool could not click the address"
    wait_until 20 grep -qs '^https\?://' "$opened" ||
        fail "a click on the address did not open it through the shell"
    keys Return
    wait_until 15 bash -c "[ \"\$(timeout 60 '$wine' '$probe_exe' about)\" == none ]" ||
        fail "Enter did not close the about box"
    echo "about: centred, the hand over the address, opened $(head -n 1 "$opened") through the shell, closed with Enter"
}

# What a screen reader reads of the main window (win32_probe accessible): every control named,
# the mode labels saying which mode is active, the status bar reading the notice. Wine's own
# objects name no edit box from its label, so this checks the window's names, not Windows'.
expect_accessible() {
    local what=$1 active=$2 notice=$3 encrypt decrypt
    if [ "$active" == encrypt ]; then
        encrypt="Active mode" decrypt="Press to switch to this mode"
    else
        encrypt="Press to switch to this mode" decrypt="Active mode"
    fi
    local want="300|Code #|-
301|Code #|-
302|Input|-
303|Input|-
304|Paste|-
305|Clear|-
306|Cut|-
307|Copy|-
308|Output|-
309|Encrypt|$encrypt
310|Decrypt|$decrypt
311|Mode|-
312|Output|-
313|${notice:--}|-"
    local got
    got=$(probe accessible) || fail "$what: win32_probe accessible failed"
    [ "$got" == "$want" ] || fail "$what: a screen reader reads
$got
expected
$want"
}
