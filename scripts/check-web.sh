#!/usr/bin/env bash
# The browser page's checks: builds build-web/, then in headless Chromium runs the behaviour
# table against the page, 300 cases against build/cli/vellumark-cli, and the page's own checks
# (its requests, a phone's screen, opened from a file, its dark look); also its size and that it
# needs no eval.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh

# The Content-Security-Policy allows no eval: the scripts must not need it.
if grep -lE '\beval\(|new Function\(' build-web/*.html build-web/*.js; then
    echo "check-web: a script above calls eval or new Function" >&2
    exit 1
fi
size=$(cat build-web/*.html build-web/*.js build-web/*.png build-web/*.webmanifest |
       gzip -9 | wc -c)
if ((size > 150 * 1024)); then
    echo "check-web: the page's files are $size bytes gzip-compressed, over 150 KB" >&2
    exit 1
fi

# The table, the longest, runs beside the other two, each in a browser of its own: on two
# cores that takes about as long as the table alone.
python=/usr/bin/python3  # Debian's, which has python3-selenium
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
# The table as ctest's rows, behaviour.web/<row> (web/CMakeLists.txt).
ctest --test-dir build-web/cmake -L behaviour --output-on-failure >"$logs/table" 2>&1 &
table=$!
status=0
$python tests/web/cli_cases.py build/cli/vellumark-cli || status=1
$python tests/web/page_checks.py || status=1
if wait "$table"; then
    grep -E 'tests passed|Total Test time' "$logs/table"
else
    status=1
    cat "$logs/table"
fi
exit "$status"
