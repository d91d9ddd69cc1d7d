#!/usr/bin/env bash
# How much of a report's text a PDF reader gets back, per language: the
# report of one pair is written in each language, read back with pdftotext,
# and each word read back in the language's script is looked up among the
# words of that language's translations. A word found is one extracted
# whole; the others lost a vowel sign or a conjunct on the way (Qt's PDF
# writer maps a glyph back to characters only where the glyph is one
# character). Usage:
#   bench/report_text_extraction.sh [path/to/tirovane-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/dev/cli/tirovane-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
  echo '{"Name":"Asha","Day":15,"Month":8,"Year":1985,"Hour":6,"Minute":30,"ZoneRow":34,"LatitudeDegrees":28,"LatitudeMinutes":36,"South":false,"LongitudeDegrees":77,"LongitudeMinutes":12,"East":true,"DaylightSaving":false,"City":"Delhi","State":"Delhi","Country":"India"}'
  echo '{"Name":"Ravi","Day":3,"Month":2,"Year":1983,"Hour":22,"Minute":10,"ZoneRow":34,"LatitudeDegrees":19,"LatitudeMinutes":4,"South":false,"LongitudeDegrees":72,"LongitudeMinutes":52,"East":true,"DaylightSaving":false,"City":"Mumbai","State":"Maharashtra","Country":"India"}'
} >"$work/pair.jsonl"

printf '%-9s %10s %10s\n' language words whole
for code in hi mr bn ta te kn ml; do
  "$cli" report "$work/$code.pdf" --language "$code" <"$work/pair.jsonl"
  pdftotext -enc UTF-8 "$work/$code.pdf" "$work/$code.txt"
  python3 - "$code" "$work/$code.txt" <<'PY'
import re, sys, xml.etree.ElementTree as ET
code, text = sys.argv[1], open(sys.argv[2], encoding="utf-8").read()
blocks = {"hi": "\u0900-\u097F", "mr": "\u0900-\u097F", "bn": "\u0980-\u09FF",
          "ta": "\u0B80-\u0BFF", "te": "\u0C00-\u0C7F", "kn": "\u0C80-\u0CFF",
          "ml": "\u0D00-\u0D7F"}
word = re.compile("[" + blocks[code] + "\u200C\u200D]+")
known = set()
for t in ET.parse(f"i18n/tirovane_{code}.ts").getroot().iter("translation"):
    for piece in [t.text or ""] + [f.text or "" for f in t.iter("numerusform")]:
        known.update(word.findall(piece))
read = word.findall(text)
whole = sum(1 for w in read if w in known)
share = 100.0 * whole / len(read) if read else 0.0
print(f"{code:<9} {len(read):>10} {share:>9.1f}%")
PY
done
