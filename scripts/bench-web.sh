#!/usr/bin/env bash
# The browser page's size and timings in headless Chromium (scripts/bench_web.py says how);
# builds build-web/ first when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -f build-web/index.html ]] || scripts/build-web.sh
/usr/bin/python3 scripts/bench_web.py
