#!/usr/bin/env bash
# Builds Vellumark (Release, into build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
if [ -x build/main_window/vellumark ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display to open the window on. Start it under a virtual X server:" >&2
        echo "  xvfb-run -a build/main_window/vellumark" >&2
        exit 1
    fi
    exec build/main_window/vellumark "$@"
fi
exec build/cli/vellumark-cli --help
