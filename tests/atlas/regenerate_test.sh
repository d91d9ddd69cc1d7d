#!/usr/bin/env bash
# The committed atlas is what its generator makes from the pinned sources.
# Exits 77 (skipped) when the sources cannot be fetched.
set -euo pipefail
source_dir=$1
out=$(mktemp --suffix=.atlas)
trap 'rm -f "$out"' EXIT
status=0
"$source_dir/tools/atlas/fetch_and_generate.sh" "$out" 2>/dev/null || status=$?
if ((status == 77)); then
  echo "atlas sources not available: skipped"
  exit 77
fi
((status == 0)) || { echo "the generator failed ($status)"; exit 1; }
if ! cmp -s "$out" "$source_dir/atlas/data/places.atlas"; then
  echo "atlas/data/places.atlas differs from the generator's output: rerun tools/atlas/fetch_and_generate.sh"
  exit 1
fi
echo "the generator reproduces atlas/data/places.atlas"
