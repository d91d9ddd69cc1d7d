#!/usr/bin/env bash
# Set-up, optimised build, then start the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

exec build/release/program/tirovane "$@"
