#!/usr/bin/env bash
# Runs the whole-flow tests of flows.py against the built program in a
# virtual X session (1280x720) with a window manager, a session bus and the
# accessibility bus, as a user's desktop has them.
#
#   run_flows.sh PROGRAM CLI [FLOW...]
#
# FLOW_WRAPPER (for example "valgrind --error-exitcode=99 ...") runs the
# program under a checker.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1 cli=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Pages the program opens in "the browser" are written down, not opened.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<'OPEN'
#!/bin/sh
printf '%s\n' "$1" >>"$HOME/opened.txt"
OPEN
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
export FLOW_SCREEN=1280x720
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
exec xvfb-run -a -s "-screen 0 ${FLOW_SCREEN}x24 -noreset" \
  dbus-run-session -- bash -c '
    openbox >/dev/null 2>&1 &
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    /usr/bin/python3 "$0" "$@"
  ' "$here/flows.py" "$program" "$cli" "$@"
