#!/usr/bin/env bash
# A program's command line against its manual page: every option that --help lists has its
# paragraph in the page, --version names the project's version, and an unknown option is a
# usage error (2). Run with no display at all, so that a program that would open a window
# fails here.
#   check_command_line.sh <program> <manual-page-source> <version>
set -euo pipefail
program=$1
page=$2
version=$3
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@"; }

status=0
help=$(run --help) || { echo "FAIL: --help exits with $?"; exit 1; }
options=$(grep -oE '(^|[][ ,|])--?[A-Za-z][A-Za-z0-9-]*' <<<"$help" | sed 's/^[][ ,|]//' | sort -u)
[ -n "$options" ] || { echo "FAIL: --help lists no option:"; echo "$help"; exit 1; }
# The headings of the page's tagged paragraphs (the line after each .TP), where options are
# described, as text: roff writes a hyphen as \- and marks words not to break with \%.
headings=$(awk 'tagged { print; tagged = 0 } /^\.TP/ { tagged = 1 }' "$page" |
    sed -e 's/\\-/-/g' -e 's/\\%//g')
for option in $options; do
    if ! grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|$)" <<<"$headings"; then
        echo "FAIL: $(basename "$page") does not document $option, which --help lists"
        status=1
    fi
done

answer=$(run --version) || { echo "FAIL: --version exits with $?"; status=1; }
grep -qw -- "$version" <<<"$answer" || { echo "FAIL: --version says '$answer', not $version"; status=1; }

code=0
out=$(run --no-such-option 2>/dev/null) || code=$?
[ "$code" = 2 ] || { echo "FAIL: an unknown option exits with $code, not 2"; status=1; }
[ -z "$out" ] || { echo "FAIL: an unknown option writes to standard output: $out"; status=1; }

[ "$status" = 0 ] && echo "$(basename "$program"): $(echo $options) documented; --version and usage errors answer"
exit "$status"
