#!/usr/bin/env bash
# The installed program in a real X window: it starts, its window
# "Tirovane v1.15" appears, a screenshot shows it, and it ends cleanly.
# Usage: window_smoke_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
xvfb=
program=
cleanup() {
  [[ -n $program ]] && kill "$program" 2>/dev/null || true
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

DESTDIR=$scratch/root cmake --install "$build" --prefix /usr >/dev/null

# A display of our own.
source "$(dirname "$0")/../own_display.sh"
start_own_display 90 140

export DISPLAY=$display HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
unset QT_QPA_PLATFORM
"$scratch/root/usr/bin/tirovane" &
program=$!

window=$(timeout 20 xdotool search --sync --name '^Tirovane v1\.15$' | head -n 1)
test -n "$window"
sleep 1
import -window root "$scratch/shot.png"
# A blank screen has no variation at all.
deviation=$(identify -format '%[fx:standard_deviation]' "$scratch/shot.png")
awk -v d="$deviation" 'BEGIN { exit !(d > 0.01) }'

kill -TERM "$program"
status=0
wait "$program" || status=$?
program=
test "$status" -eq 0
