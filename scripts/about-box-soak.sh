#!/usr/bin/env bash
# Opens and closes the about box COUNT times (20,000 unless given) through the real main
# window, as a native Wayland client of the tests' private Weston, and says whether the program
# aborted. Run by hand from the top of a checkout, after `cmake --preset release`; it takes
# minutes, so it is no CTest test.
#
#   scripts/about-box-soak.sh [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-20000}
cmake --build build -j2 --target about_box_soak >/dev/null
start=$SECONDS
status=0
bash tests/e2e/under_weston.sh build/tests/e2e/about_box_soak "$count" || status=$?
if [ "$status" -eq 0 ]; then
    echo "PASS: $count about boxes opened and closed under Weston, no abort ($((SECONDS - start)) s)"
else
    echo "FAIL: the program ended with status $status after $((SECONDS - start)) s" \
        "(134 is an abort); the count above says how far it came" >&2
fi
exit "$status"
