#!/usr/bin/env bash
# The people library at scale: imports a CSV of 100,000 people named by
# their birth places (each place found at its birth's date), ranks one of
# them against all the others (the best 100 written), then ranks one
# against 1,000,000 people (the library grown tenfold inside SQLite). Wall
# time and peak memory of each. Usage:
#   bench/people_bench.sh [path/to/tirovane-cli] [people]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/cli/tirovane-cli}
people=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$people" 'BEGIN {
  srand(11);
  split("Mumbai,Delhi,Chennai,Kolkata,Bengaluru,Hyderabad,Pune,Ahmedabad,Jaipur,Lucknow,Kanpur,Nagpur,Indore,Bhopal,Patna,Vadodara,Ludhiana,Agra,Nashik,Madurai,Coimbatore,Kochi,Mysuru,Guwahati,Varanasi,Amritsar,Ranchi,Raipur,Visakhapatnam,Thiruvananthapuram", places, ",");
  split("a,e,i,o,u,ka,ra,ma,na,sha,vi,ta,ya,la,pa,dha", parts, ",");
  print "Name,Date,Time,Place,Sex";
  for (i = 0; i < n; i++) {
    name = toupper(substr(parts[1 + int(rand() * 16)], 1, 1)) parts[1 + int(rand() * 16)] parts[1 + int(rand() * 16)] " " parts[1 + int(rand() * 16)] parts[1 + int(rand() * 16)] "n";
    printf "%s,%04d-%02d-%02d,%02d:%02d,%s,%s\n", name, 1901 + int(rand() * 150), 1 + int(rand() * 12), 1 + int(rand() * 28), int(rand() * 24), int(rand() * 60), places[1 + int(rand() * 30)], (i % 2 ? "male" : "female");
  }
}' > "$work/people.csv"

run() { # label, command...
  local label=$1
  shift
  local start end
  start=$(date +%s.%N)
  /usr/bin/time -f "%M" -o "$work/mem" "$@" > "$work/out" 2> "$work/err" || true
  end=$(date +%s.%N)
  printf '%s: %.2f s, peak memory %d MiB\n' "$label" "$(echo "$end - $start" | bc -l)" \
    "$(( $(tail -n 1 "$work/mem") / 1024 ))"
}

run "import of $people people from CSV (places found)" \
  "$cli" people --library "$work/lib.sqlite" import --skip-bad "$work/people.csv"
echo "  added: $(wc -l < "$work/out"), refused or already there: $(grep -c '"line"' "$work/err" || true)"
run "ranking one against $people (best 100 written)" \
  "$cli" match --library "$work/lib.sqlite" --person 1 --limit 100
echo "  lines written: $(wc -l < "$work/out")"

# Tenfold: the same people copied nine times under other names.
sqlite3 "$work/lib.sqlite" <<'SQL'
BEGIN;
CREATE TEMP TABLE copies (k INTEGER);
INSERT INTO copies VALUES (1),(2),(3),(4),(5),(6),(7),(8),(9);
INSERT INTO people (name, year, month, day, hour, minute, zone_row, daylight_saving,
  latitude_degrees, latitude_minutes, south, longitude_degrees, longitude_minutes, east,
  city, state, country, sex, notes, added, changed, zone, search)
  SELECT name || ' ' || k, year, month, day, hour, minute, zone_row, daylight_saving,
    latitude_degrees, latitude_minutes, south, longitude_degrees, longitude_minutes, east,
    city, state, country, sex, notes, added, changed, zone, search
  FROM copies, people ORDER BY k, people.id;
-- The copies were numbered on from the last id in the originals' order,
-- so that copy k of person i has the id k * n + i: the same chart values.
INSERT INTO chart_values (person, engine, moon, lagna, rashi)
  SELECT p.id, v.engine, v.moon, v.lagna, v.rashi FROM people p
  JOIN chart_values v ON v.person = (p.id - 1) % (SELECT count(*) FROM chart_values) + 1
  WHERE p.id > (SELECT count(*) FROM chart_values);
COMMIT;
SQL
total=$(sqlite3 "$work/lib.sqlite" "SELECT count(*) FROM people")
run "ranking one against $total (best 100 written)" \
  "$cli" match --library "$work/lib.sqlite" --person 1 --limit 100
echo "  lines written: $(wc -l < "$work/out")"
