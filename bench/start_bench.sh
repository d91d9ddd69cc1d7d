#!/usr/bin/env bash
# The program's start to its first shown window, and its peak memory, each
# against a bare Qt Widgets window started the same way, under Xvfb.
# Usage: bench/start_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-15}
scratch=$(mktemp -d)
xvfb=
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Each start gets a display of its own, so that no run inherits another's
# clients or caches.
next_display=150
start_display() {
  # A number no earlier run used: a server that just ended may not have
  # given its number back yet.
  while [[ -e /tmp/.X11-unix/X$next_display || -e /tmp/.X$next_display-lock ]]; do
    next_display=$((next_display + 1))
  done
  export DISPLAY=:$next_display
  next_display=$((next_display + 1))
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done
}
stop_display() {
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=
}
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
unset QT_QPA_PLATFORM

# Starts a program on a display of its own; prints seconds to its window
# and its peak memory in KiB.
measure() {
  start_display
  if ! "$build/bench/window_watch" "$@" 2>>"$scratch/log"; then
    echo "start_bench: $1 did not show its window on $DISPLAY:" >&2
    grep -v XDG_RUNTIME_DIR "$scratch/log" | tail -n 10 >&2
    exit 1
  fi
  stop_display
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for run in $(seq "$runs"); do
  [[ -n ${TIROVANE_BENCH_TRACE:-} ]] && echo "run $run" >&2
  measure 'Tirovane v1.15' "$build/program/tirovane" >> "$scratch/program"
  measure 'Tirovane v1.15' "$build/program/tirovane" --language hi >> "$scratch/hindi"
  measure 'Bare Qt window' "$build/bench/bare_window" >> "$scratch/bare"
done
program_time=$(cut -d' ' -f1 "$scratch/program" | median)
bare_time=$(cut -d' ' -f1 "$scratch/bare" | median)
hindi_time=$(cut -d' ' -f1 "$scratch/hindi" | median)
program_memory=$(cut -d' ' -f2 "$scratch/program" | median)
hindi_memory=$(cut -d' ' -f2 "$scratch/hindi" | median)
bare_memory=$(cut -d' ' -f2 "$scratch/bare" | median)
printf 'start to first window: program %.3f s, bare window %.3f s, ratio %.2f (goal: at most 1.15)\n' \
  "$program_time" "$bare_time" "$(echo "$program_time / $bare_time" | bc -l)"
printf 'start in Hindi (translations loaded): %.3f s, ratio %.2f (goal: at most 1.15)\n' \
  "$hindi_time" "$(echo "$hindi_time / $bare_time" | bc -l)"
printf 'peak memory: program %d KiB, bare window %d KiB, ratio %.2f (goal: at most 1.2)\n' \
  "$program_memory" "$bare_memory" "$(echo "$program_memory / $bare_memory" | bc -l)"
printf 'peak memory in Hindi: %d KiB, ratio %.2f\n' \
  "$hindi_memory" "$(echo "$hindi_memory / $bare_memory" | bc -l)"
