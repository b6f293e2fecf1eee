#!/usr/bin/env bash
# The real program on a real X server, driven from outside as a person would: type a text,
# press Copy, and read the clipboard from another process; then paste a cipher text in
# decrypt mode and read the plain text back; a random code, a paste too long
# for the cipher, Cut, and Exit. The command-line tool is the reference.
#
#   clipboard_round_trip.sh <vellumark> <vellumark-cli>
#   clipboard_round_trip.sh --wine <win32_probe.exe> <vellumark.exe> <vellumark-cli>
#
# With --wine the Windows edition runs under Wine with a window manager (wine.sh), and the
# probe also reads the buttons' states, the texts as the boxes hold them, the notice and the
# about box.
set -euo pipefail
probe_exe=
if [ "${1:-}" == "--wine" ]; then
    probe_exe=$2
    shift 2
fi
app=$1
cli=$2
source "$(dirname "$0")/xvfb.sh"

for tool in xdotool xclip xdpyinfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
start_xvfb

fail() {
    echo "FAIL: $*" >&2
    if windows && [ -n "${wine:-}" ]; then
        local id
        for id in $id_code $id_in $id_out $id_notice; do
            echo "control $id: $(probe text $id 2>&1 | head -c 300)" >&2
        done
        grep -A30 -m1 'Unhandled exception' "$work_dir/app.log" >&2 || true
    fi
    exit 1
}

windows() { [ -n "$probe_exe" ]; }

# Bounded: xclip -o waits for the clipboard's owner to answer, without end. An owner that
# gives the clipboard up meanwhile (xclip -i, once the window copies) never answers.
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

clipboard_is() { [ "$(clipboard)" == "$1" ]; }

# Puts a text on the clipboard from another program, which keeps serving it until the
# window takes the clipboard over.
offer_clipboard() {
    printf '%s' "$1" | xclip -i -selection clipboard -quiet >/dev/null 2>&1 &
    track_pid $!
    wait_until 10 clipboard_is "$1" || fail "xclip did not take the clipboard"
}

# No --clearmodifiers: nobody holds a key on this X server, and xdotool presses again after
# the keys whatever modifier it saw down, which a busy server may show it from the previous
# call's last key (a stuck Alt turns Tab into window switching and Space into a window menu).
keys() { xdotool key --delay 40 "$@" || fail "xdotool could not press $*"; }

expect_clipboard() {
    local expected=$1 what=$2
    if ! wait_until 15 clipboard_is "$expected"; then
        echo "expected: $expected" >&2
        echo "clipboard: $(clipboard)" >&2
        fail "$what"
    fi
}

# From the input box: Tab to the Copy button (Paste, Clear, Cut, Copy) and press it.
press_copy() { keys alt+i Tab Tab Tab Tab space; }

# Whether the clipboard's text is marked as a secret: the password-manager hint on Linux;
# on Windows the formats that keep it out of the clipboard history, the cloud clipboard and
# the monitors, read on the Windows side, since Wine's bridge to X drops them at random.
marked_secret() {
    if windows; then
        local formats
        formats=$(probe formats) || fail "win32_probe formats failed"
        grep -q '^ExcludeClipboardContentFromMonitorProcessing ' <<<"$formats" &&
            grep -qx 'CanIncludeInClipboardHistory 00000000' <<<"$formats" &&
            grep -qx 'CanUploadToCloudClipboard 00000000' <<<"$formats"
    else
        [ "$(xclip -o -selection clipboard -t x-kde-passwordManagerHint 2>/dev/null)" == secret ]
    fi
}

if windows; then
    source "$(dirname "$0")/wine.sh"
    trap 'stop_wine; stop_tracked' EXIT
    start_wine
    "$wine" "$app" >"$work_dir/app.log" 2>&1 &
else
    "$app" >"$work_dir/app.log" 2>&1 &
fi
app_pid=$!
track_pid "$app_pid"

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vellumark$' | head -n 1) ||
    fail "the window did not open"
timeout 30 xdotool windowactivate --sync "$window" || fail "the window did not become active"
if windows; then
    expect_probe "the code number at start" 408153 text $id_code
    expect_buttons "at start" 1000
fi

# 1. Encrypt: Alt+I into the input, type, then Copy with the space bar.
plain='Meet me at the old mill, 9 pm! Bring 3 maps & a torch.'
cipher=$(printf '%s' "$plain" | "$cli" encrypt --code 408153)
[ -n "$cipher" ] || fail "vellumark-cli gave no cipher text"
keys alt+i
xdotool type --delay 25 "$plain" || fail "xdotool could not type the text"
press_copy
expect_clipboard "$cipher" "the copied output is not the cipher text of vellumark-cli"
echo "encrypt: copied the cipher text of vellumark-cli"
# Encrypted text goes on the clipboard as plain text only.
! marked_secret || fail "a cipher text was marked as a secret"
! windows || expect_buttons "with input and output" 1111

# 2. Decrypt: another program puts a cipher text on the clipboard; Ctrl+D from inside the
#    input box, then Paste, then Copy the plain text.
secret='The key is under the third stone.'
secret_cipher=$(printf '%s' "$secret" | "$cli" encrypt --code 408153)
offer_clipboard "$secret_cipher"
keys alt+i ctrl+d Tab space
press_copy
expect_clipboard "$secret" "decrypting the pasted cipher text did not give the plain text back"
echo "decrypt: read the plain text back"
wait_until 10 marked_secret || fail "the plain text was not marked as a secret"
echo "decrypt: the plain text is marked as a secret"
! windows || expect_accessible "in decrypt mode" decrypt ""

# 3. Back in encrypt mode (the mode keys from each control are the behaviour table's, which
#    also runs on this X server), Ctrl+R picks a six-digit code number, which Alt+C selects whole
#    for Ctrl+C; the output follows it. (In encrypt mode the output stays a cipher text: the
#    random bytes that a cipher text decrypts to under another code number can crash Wine's
#    text layout, Uniscribe, in the edit box.)
keys ctrl+e ctrl+r alt+c ctrl+c
wait_until 10 bash -c "timeout 5 xclip -o -selection clipboard | grep -Eqx '[0-9]{6}'" ||
    fail "Ctrl+R did not give a six-digit code number (clipboard: $(clipboard))"
code=$(clipboard) || fail "the clipboard lost the code number"
[ "$code" != 000000 ] || fail "Ctrl+R picked 000000"
press_copy
under_code=$(printf '%s' "$secret_cipher" | "$cli" encrypt --code "$code")
expect_clipboard "$under_code" "the output does not follow the random code number $code"
echo "random code: Ctrl+R picked $code and the output follows it"

# 4. A paste of 32,767 characters, one more than the cipher takes, is refused: the output
#    keeps its text, which no longer belongs to the input, so Copy and Cut are off; the notice
#    says why. One Backspace brings the input within the limit, and its output back.
offer_clipboard "$(printf 'x%.0s' $(seq 32767))"
keys alt+i Tab space
if windows; then
    too_long="Input over 32,766 characters (a line break counts as two): output not updated."
    notice_shown() { [ -n "$(probe text $id_notice)" ]; }
    wait_until 15 notice_shown || fail "no notice for a paste of 32,767 characters"
    expect_probe "the notice" "$too_long" text $id_notice
    held=$(probe text $id_in | wc -c) || fail "win32_probe text $id_in failed"
    [ "$held" -eq 32767 ] || fail "the input holds $held characters, not the whole paste of 32767"
    expect_buttons "with a refused input" 1100
    expect_accessible "with a refused input" encrypt "$too_long"
fi
keys alt+i ctrl+End BackSpace
echo "too long: a paste of 32,767 characters was refused, then taken one character shorter"

# 5. Cut copies the output and clears the input; the output follows, empty, and Clear, Cut
#    and Copy are disabled.
offer_clipboard "not the output"
keys alt+i Tab Tab Tab space
longest_cipher=$(printf 'x%.0s' $(seq 32766) | "$cli" encrypt --code "$code")
expect_clipboard "$longest_cipher" "Cut did not copy the output of the input one character shorter"
if windows; then
    expect_probe "the input after Cut" "" text $id_in
    expect_probe "the output after Cut" "" text $id_out
    expect_probe "the notice after Cut" "" text $id_notice
    expect_buttons "after Cut" 1000
fi
echo "cut: copied the output and emptied the input"

# 6. Two typed lines encrypt with CR LF between them, in either edition.
keys alt+i
xdotool type --delay 25 "ab"
keys Return
xdotool type --delay 25 "cd"
press_copy
expect_clipboard "$(printf 'ab\r\ncd' | "$cli" encrypt --code "$code")" \
    "two typed lines did not encrypt with CR LF between them"
keys alt+i Tab Tab space
echo "lines: two typed lines encrypted with CR LF"

# 7. A cipher text of lines that end in LF alone decrypts to its lines.
lines=$'line one\nline two'
offer_clipboard "$(printf '%s' "$lines" | "$cli" encrypt --code "$code")"
keys ctrl+d alt+i Tab space
press_copy
expect_clipboard "$lines" "a cipher text of two lines did not decrypt to them"
# A Windows edit box breaks lines at CR LF only.
! windows || expect_probe "the output box's lines" $'line one\r\nline two' text $id_out
echo "lines: decrypted two lines ending in LF"

! windows || check_about_box

# 8. Exit from the File menu ends the program.
keys alt+f x
wait_until 10 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Exit did not end the program"
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "exit: the program ended"
echo "PASS"
