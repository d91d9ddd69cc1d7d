#!/usr/bin/env bash
# The program ends on SIGTERM whenever it comes: while the start-up update
# question is shown (before the windows' event loop runs), and while a
# message box is shown over the input form.
# Usage: sigterm_test.sh PROGRAM
set -euo pipefail
program_path=$1
for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
xvfb=
program=
cleanup() {
  [[ -n $program ]] && kill -KILL "$program" 2>/dev/null || true
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# A display of our own.
source "$(dirname "$0")/../own_display.sh"
start_own_display 150 250

export DISPLAY=$display HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
unset QT_QPA_PLATFORM
settings=$XDG_CONFIG_HOME/Tirovane/Tirovane.conf
mkdir -p "$(dirname "$settings")"

# The last reminder long ago: the update question comes at start.
reminder_due() {
  printf '[General]\nReminderDate=2020-01-01\n' > "$settings"
}

# Sends SIGTERM and expects the program to end by itself, with status 0,
# within 10 s.
terminate_and_expect_end() {
  local what=$1
  kill -TERM "$program"
  for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program" 2>/dev/null; then
    echo "FAIL: still running 10 s after SIGTERM $what"
    # A second request must not be ignored either.
    kill -TERM "$program"
    sleep 2
    kill -0 "$program" 2>/dev/null && echo "FAIL: a second SIGTERM was ignored too"
    exit 1
  fi
  local status=0
  wait "$program" || status=$?
  program=
  if [[ $status -ne 0 ]]; then
    echo "FAIL: ended with status $status after SIGTERM $what"
    exit 1
  fi
  echo "ok: ended on SIGTERM $what"
}

# 1. During the start-up question.
reminder_due
"$program_path" &
program=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Tirovane$' >/dev/null
terminate_and_expect_end "during the start-up question"

# 2. During a message box over the input form: "Next" on the empty form
#    says "Please Enter Name".
rm -f "$settings"
"$program_path" &
program=$!
form=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tirovane v1\.15$' | head -n 1)
sleep 0.5
xdotool windowfocus --sync "$form"
xdotool key alt+n
timeout 20 xdotool search --sync --onlyvisible --name '^Tirovane$' >/dev/null
terminate_and_expect_end "during a message box"
