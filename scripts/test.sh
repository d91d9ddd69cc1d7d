#!/usr/bin/env bash
# Set-up, debug build with warnings as errors, and every test through ctest.
#
#   scripts/test.sh          the test suite (a few minutes on two cores)
#   scripts/test.sh --all    also 30 s of fuzzing per target and the whole
#                            suite again built with clang (warnings as
#                            errors) under AddressSanitizer and
#                            UndefinedBehaviorSanitizer (what CI runs)
set -euo pipefail
cd "$(dirname "$0")/.."

all=false
if [[ ${1:-} == --all ]]; then
  all=true
  shift
elif [[ ${CI:-} == true ]]; then
  all=true
fi

scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
if $all; then
  # The whole flows through the windows run once, under the sanitizers
  # below (and under valgrind here); the plain build runs everything else.
  ctest --preset dev -j2 -LE flows "$@"
else
  ctest --preset dev -j2 "$@"
fi

if $all; then
  echo "== Fuzzing, 30 seconds a target =="
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  for target in reading_file chart_line; do
    corpus=$(mktemp -d)
    build/fuzz/fuzz/${target}_fuzz -max_total_time=30 -max_len=4096 -timeout=10 \
      -print_final_stats=0 "$corpus" "fuzz/corpus/$target" 2>&1 | tail -n 2
    rm -rf "$corpus"
  done

  # The one clang build: its warnings are errors, so it is also the check
  # that clang compiles everything cleanly.
  echo "== The test suite built with clang under the sanitizers =="
  cmake --preset asan >/dev/null
  cmake --build --preset asan
  ctest --preset asan -j2 "$@"
fi
