#!/usr/bin/env bash
# Times `tirovane-cli chart` and `tirovane-cli match` on 100,000 input lines and
# reports their peak memory. Usage: bench/cli_throughput.sh [path/to/tirovane-cli] [lines]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/cli/tirovane-cli}
lines=${2:-100000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT

awk -v n="$lines" 'BEGIN {
  srand(7);
  for (i = 0; i < n; i++) {
    # A name of letters only (digits are refused in names).
    name = "P" substr("abcdefghij", 1 + i % 10, 1) substr("abcdefghij", 1 + int(i / 10) % 10, 1) substr("abcdefghij", 1 + int(i / 100) % 10, 1);
    printf "{\"Name\":\"%s\",\"Day\":%d,\"Month\":%d,\"Year\":%d,\"Hour\":%d,\"Minute\":%d,", name, 1 + int(rand() * 28), 1 + int(rand() * 12), 1901 + int(rand() * 150), int(rand() * 24), int(rand() * 60);
    printf "\"ZoneRow\":%d,\"LatitudeDegrees\":%d,\"LatitudeMinutes\":%d,\"South\":%s,", int(rand() * 71), int(rand() * 90), int(rand() * 60), (rand() < 0.5 ? "true" : "false");
    printf "\"LongitudeDegrees\":%d,\"LongitudeMinutes\":%d,\"East\":%s,\"DaylightSaving\":%s,", int(rand() * 180), int(rand() * 60), (rand() < 0.5 ? "true" : "false"), (rand() < 0.2 ? "true" : "false");
    printf "\"City\":\"City\",\"State\":\"State\",\"Country\":\"Country\"}\n";
  }
}' > "$input"

start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$input.mem" "$cli" chart < "$input" > /dev/null
end=$(date +%s.%N)
seconds=$(echo "$end - $start" | bc -l)
peak=$(cat "$input.mem"); rm -f "$input.mem"
printf 'tirovane-cli chart: %d lines in %.2f s (%.1f microseconds a line), peak memory %d KiB\n' \
  "$lines" "$seconds" "$(echo "$seconds * 1000000 / $lines" | bc -l)" "$peak"

# The same lines as candidates of one match: the first line is the person
# matched against all the others.
start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$input.mem" "$cli" match < "$input" > /dev/null || true
end=$(date +%s.%N)
seconds=$(echo "$end - $start" | bc -l)
peak=$(cat "$input.mem"); rm -f "$input.mem"
printf 'tirovane-cli match: %d candidates in %.2f s (%.1f microseconds a candidate), peak memory %d KiB\n' \
  "$((lines - 1))" "$seconds" "$(echo "$seconds * 1000000 / ($lines - 1)" | bc -l)" "$peak"
