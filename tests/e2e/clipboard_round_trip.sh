#!/usr/bin/env bash
# The real program on a real X server, driven from outside as a person would: type a text,
# press Copy, and read the clipboard from another process; then paste a cipher text in
# decrypt mode and read the plain text back. The command-line tool is the reference.
#
#   clipboard_round_trip.sh <vellumark> <vellumark-cli>
set -euo pipefail
app=$1
cli=$2
source "$(dirname "$0")/xvfb.sh"

for tool in xdotool xclip xdpyinfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
start_xvfb

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

clipboard_is() { [ "$(clipboard)" == "$1" ]; }

# Puts a text on the clipboard from another program, which keeps serving it until the
# window takes the clipboard over.
offer_clipboard() {
    printf '%s' "$1" | xclip -i -selection clipboard -quiet >/dev/null 2>&1 &
    track_pid $!
    wait_until 10 clipboard_is "$1" || fail "xclip did not take the clipboard"
}

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }

expect_clipboard() {
    local expected=$1 what=$2
    if ! wait_until 15 clipboard_is "$expected"; then
        echo "expected: $expected" >&2
        echo "clipboard: $(clipboard)" >&2
        fail "$what"
    fi
}

"$app" >"$work_dir/app.log" 2>&1 &
app_pid=$!
track_pid "$app_pid"

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vellumark$' | head -n 1) ||
    fail "the window did not open"
xdotool windowactivate --sync "$window"

# 1. Encrypt: Alt+I into the input, type, then Tab to the Copy button (Paste, Clear, Cut,
#    Copy) and press it with the space bar.
plain='Meet me at the old mill, 9 pm! Bring 3 maps & a torch.'
cipher=$(printf '%s' "$plain" | "$cli" encrypt --code 408153)
[ -n "$cipher" ] || fail "vellumark-cli gave no cipher text"
keys alt+i
xdotool type --delay 25 "$plain"
keys Tab Tab Tab Tab space
expect_clipboard "$cipher" "the copied output is not the cipher text of vellumark-cli"
echo "encrypt: copied the cipher text of vellumark-cli"
# Encrypted text goes on the clipboard as plain text only.
if xclip -o -selection clipboard -t TARGETS | grep -q x-kde-passwordManagerHint; then
    fail "a cipher text was marked as a secret"
fi

# 2. Decrypt: another program puts a cipher text on the clipboard; Ctrl+D from inside the
#    input box, then Paste, then Copy the plain text.
secret='The key is under the third stone.'
secret_cipher=$(printf '%s' "$secret" | "$cli" encrypt --code 408153)
offer_clipboard "$secret_cipher"
keys alt+i ctrl+d Tab space
keys Tab Tab Tab space
expect_clipboard "$secret" "decrypting the pasted cipher text did not give the plain text back"
echo "decrypt: read the plain text back"
hint=$(xclip -o -selection clipboard -t x-kde-passwordManagerHint 2>/dev/null || true)
[ "$hint" == "secret" ] || fail "the plain text was not marked as a secret (got '$hint')"
echo "decrypt: the plain text is marked as a secret for clipboard managers"

# 3. Ctrl+E from inside the code-number box, caret at its start (where a line edit would
#    take Ctrl+E for "end of line"): back to encrypt, so the output is now the encryption of
#    the cipher text in the input.
keys alt+c Home ctrl+e
keys alt+i Tab Tab Tab Tab space
again=$(printf '%s' "$secret_cipher" | "$cli" encrypt --code 408153)
expect_clipboard "$again" "Ctrl+E in the code-number box did not switch to encrypt"
echo "encrypt again: Ctrl+E reached the menu from the code-number box"

# 4. Exit from the File menu ends the program.
keys alt+f x
wait_until 10 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Exit did not end the program"
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "exit: the program ended"
echo "PASS"
