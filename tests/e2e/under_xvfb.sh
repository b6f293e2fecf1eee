#!/usr/bin/env bash
# Runs a command on a private X server with Qt's X11 platform: the keyboard tests there meet
# the X11 key bindings of Qt's editors (Ctrl+E, Ctrl+D, ...) that the offscreen platform
# does not have.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
start_xvfb
status=0
"$@" || status=$?
exit "$status"
