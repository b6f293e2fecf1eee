#!/usr/bin/env bash
# Runs a command on a private X server, under the window manager, with Qt's X11 platform:
# the window tests there meet the X11 key bindings of Qt's editors (Ctrl+E, Ctrl+D, ...),
# focus and activation through the window manager, and the desktop's fonts.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
start_xvfb
status=0
"$@" || status=$?
exit "$status"
