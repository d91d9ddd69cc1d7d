#!/usr/bin/env bash
# Set-up, debug build with warnings as errors, and every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev "$@"
