#!/usr/bin/env bash
# Set-up, optimised build, then start the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

# A built-in example reading until the windows exist: one person, charted.
example='{"Name":"Example","Day":12,"Month":4,"Year":1992,"Hour":0,"Minute":0,"ZoneRow":29,"LatitudeDegrees":51,"LatitudeMinutes":30,"South":false,"LongitudeDegrees":0,"LongitudeMinutes":0,"East":false,"DaylightSaving":false,"City":"London","State":"England","Country":"United Kingdom"}'
echo "$example" | build/release/cli/tirovane-cli chart "$@"
