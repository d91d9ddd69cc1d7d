#!/usr/bin/env python3
"""Builds the atlas data file from GeoNames data and Debian's iso-codes.

Inputs (see fetch_and_generate.sh, which pins the versions):
  --cities   cities500.txt, the GeoNames dump of populated places (tab-separated)
  --admin1   admin1.json, the GeoNames names of first-level regions
  --countries iso_3166-1.json from Debian's iso-codes
  --aliases  aliases.tsv beside this script: extra names for well-known places

Output: one little-endian binary file (layout below), read by atlas/atlas.cpp.
The output depends only on the inputs: rerunning gives the same bytes.

  magic "TVATLAS1"
  u32 × 7: fold count, zone count, country count, state count, place count,
           index count, blob size
  fold     : (u32 code point, u32 blob offset of its folded ASCII text)
  zones    : u32 blob offset of the IANA name
  countries: (2 bytes ISO code, u16 0, u32 name, u32 folded name)
  states   : (u32 name, u32 folded name)
  places   : (u32 text, i32 lat×1e5, i32 lon×1e5, u32 population,
              u16 state (0xFFFF none), u16 country, u16 zone), 22 bytes;
             best first: population descending, then GeoNames id
  index    : u32 blob offset of a word start within a place's keys, sorted by
             the text from there to the end of that name, then by place
  blob     : NUL-terminated UTF-8 texts

A place's text is its name, NUL, its keys, NUL; the texts of the places lie
in place order, so the place of an index entry is the last place whose text
starts at or before it. The keys are the folded name and folded alternate
names joined by '|'; a name that equals its folded form but for ASCII capitals
serves as its own first key and is not repeated among the keys. Index texts
compare byte by byte with ASCII capitals taken as small letters; a text ends
at NUL or '|'.
Folding: canonical decomposition, combining marks dropped, a few letters
spelled out (ß→ss, æ→ae ...), lower case, anything not a letter or digit
becomes one blank; leading and trailing blanks dropped.
"""
import argparse
import json
import struct
import sys
import unicodedata

SPELLED = {
    "ß": "ss", "æ": "ae", "Æ": "ae", "œ": "oe", "Œ": "oe", "ø": "o", "Ø": "o",
    "đ": "d", "Đ": "d", "ð": "d", "Ð": "d", "ł": "l", "Ł": "l", "ı": "i",
    "þ": "th", "Þ": "th", "ħ": "h", "Ħ": "h", "ŀ": "l", "Ŀ": "l", "ŋ": "n", "Ŋ": "n",
    "ƒ": "f", "ŧ": "t", "Ŧ": "t", "ĸ": "k", "ſ": "s", "ǝ": "e", "ə": "e", "Ə": "e",
    "ʻ": "", "ʼ": "", "’": "", "‘": "", "'": "", "`": "", "ʿ": "", "ʾ": "",
}
# Code points the program folds itself when the user types them; the table
# goes into the data file so that both sides fold alike.
FOLD_RANGES = [(0x00C0, 0x024F), (0x02BB, 0x02BF), (0x1E00, 0x1EFF), (0x2018, 0x2019)]


def fold_char(ch):
    if ch in SPELLED:
        return SPELLED[ch]
    out = []
    for d in unicodedata.normalize("NFKD", ch):
        if unicodedata.combining(d):
            continue
        out.append(SPELLED.get(d, d))
    return "".join(out).lower()


def fold_table():
    table = []
    for lo, hi in FOLD_RANGES:
        for cp in range(lo, hi + 1):
            ch = chr(cp)
            if unicodedata.category(ch) == "Cn":
                continue
            f = fold_char(ch)
            f = "".join(c if c.isascii() and c.isalnum() else " " for c in f).strip()
            if not f.isascii():
                continue
            table.append((cp, f))
    return table


def make_folder(table):
    mapping = {chr(cp): f for cp, f in table}

    def fold(text):
        out = []
        for ch in text:
            if ch in mapping:
                out.append(mapping[ch])
            elif ch in "'’ʻʼ`":
                continue
            elif ch.isascii():
                out.append(ch.lower() if ch.isalnum() else " ")
            else:
                out.append(ch)
        return " ".join("".join(out).split())

    return fold


def ascii_lower(text):
    return "".join(c.lower() if "A" <= c <= "Z" else c for c in text)


def is_latin_ascii(folded):
    return folded != "" and folded.isascii()


def usable_alternate(alt, name):
    if not alt or alt == name:
        return False
    if any(c.isdigit() for c in alt):
        return False
    # Airport and other codes: short all-capital words.
    if len(alt) <= 4 and alt.isupper():
        return False
    # Romanisations written all in lower case are mostly machine
    # transliterations nobody types as a town's name.
    if not alt[0].isupper():
        return False
    if " - " in alt or "(" in alt:
        return False
    return True


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cities", required=True)
    ap.add_argument("--admin1", required=True)
    ap.add_argument("--countries", required=True)
    ap.add_argument("--aliases", required=True)
    ap.add_argument("--min-population", type=int, default=1000)
    ap.add_argument("--alternates-from", type=int, default=15000,
                    help="keep alternate names of places of at least this population")
    ap.add_argument("--output", required=True)
    args = ap.parse_args()

    table = fold_table()
    fold = make_folder(table)

    countries = {}
    for e in json.load(open(args.countries, encoding="utf-8"))["3166-1"]:
        countries[e["alpha_2"]] = e.get("common_name", e["name"])
    # Codes GeoNames uses that ISO 3166-1 does not list.
    countries.setdefault("XK", "Kosovo")
    countries.setdefault("AN", "Netherlands Antilles")
    countries.setdefault("CS", "Serbia and Montenegro")

    admin1 = {}
    for e in json.load(open(args.admin1, encoding="utf-8")):
        admin1[e["code"]] = e["name"]

    aliases = {}
    with open(args.aliases, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            geonameid, alias = line.split("\t")[:2]
            aliases.setdefault(geonameid, []).append(alias)

    seats = {"PPLC", "PPLA", "PPLA2"}
    gone = {"PPLH", "PPLQ", "PPLW", "PPLCH"}
    places = []
    with open(args.cities, encoding="utf-8") as f:
        for line in f:
            c = line.rstrip("\n").split("\t")
            if len(c) < 19 or c[6] != "P" or c[7] in gone:
                continue
            population = int(c[14] or 0)
            if population < args.min_population and c[7] not in seats:
                continue
            if c[8] not in countries:
                print(f"skipping {c[1]}: unknown country {c[8]}", file=sys.stderr)
                continue
            if not c[17]:
                continue
            places.append(c)
    places.sort(key=lambda c: (-int(c[14] or 0), int(c[0])))

    blob = bytearray()
    blob_index = {}

    def put(text):
        if text in blob_index:
            return blob_index[text]
        off = len(blob)
        blob.extend(text.encode("utf-8") + b"\0")
        blob_index[text] = off
        return off

    fold_rows = [(cp, put(f)) for cp, f in table]

    zone_ids = {}
    country_ids = {}
    state_ids = {}
    country_rows = []
    state_rows = []
    zone_rows = []
    place_rows = []
    index_rows = []
    for pi, c in enumerate(places):
        name = c[1]
        keys = []
        seen = set()
        for text in [name] + aliases.get(c[0], []):
            k = fold(text)
            if k and k not in seen:
                seen.add(k)
                keys.append(k)
        if int(c[14] or 0) >= args.alternates_from or c[0] in aliases:
            for alt in c[3].split(","):
                if not usable_alternate(alt, name):
                    continue
                k = fold(alt)
                if is_latin_ascii(k) and k not in seen:
                    seen.add(k)
                    keys.append(k)
        # A plain name (ASCII letters, digits and single blanks) is its own
        # key once compared without case; its folded copy is then left out.
        name_is_key = name.isascii() and keys and keys[0] == name.lower()
        stored_keys = keys[1:] if name_is_key else keys
        text_off = len(blob)
        blob.extend(name.encode("utf-8") + b"\0")
        key_off = len(blob)
        blob.extend("|".join(stored_keys).encode("utf-8") + b"\0")
        starts = []
        if name_is_key:
            starts.append((text_off, name))
        pos = key_off
        for k in stored_keys:
            starts.append((pos, k))
            pos += len(k.encode("utf-8")) + 1
        # Word starts: the first letter of every word of every name.
        for base, k in starts:
            word_start = True
            for i, ch in enumerate(k):
                if word_start and ch != " ":
                    segment = ascii_lower(k[i:]).encode("utf-8")
                    index_rows.append((segment, pi, base + len(k[:i].encode("utf-8"))))
                word_start = ch == " "

        cc = c[8]
        if cc not in country_ids:
            country_ids[cc] = len(country_rows)
            cname = countries[cc]
            country_rows.append((cc, put(cname), put(fold(cname))))
        state = 0xFFFF
        a1 = admin1.get(f"{cc}.{c[10]}")
        if a1:
            if (cc, a1) not in state_ids:
                state_ids[(cc, a1)] = len(state_rows)
                state_rows.append((put(a1), put(fold(a1))))
            state = state_ids[(cc, a1)]
        tz = c[17]
        if tz not in zone_ids:
            zone_ids[tz] = len(zone_rows)
            zone_rows.append(put(tz))
        lat = round(float(c[4]) * 1e5)
        lon = round(float(c[5]) * 1e5)
        place_rows.append((text_off, lat, lon, int(c[14] or 0), state,
                           country_ids[cc], zone_ids[tz]))

    index_rows.sort(key=lambda r: (r[0], r[1]))

    out = bytearray(b"TVATLAS1")
    out += struct.pack("<7I", len(fold_rows), len(zone_rows), len(country_rows),
                       len(state_rows), len(place_rows), len(index_rows), len(blob))
    for cp, off in fold_rows:
        out += struct.pack("<II", cp, off)
    for off in zone_rows:
        out += struct.pack("<I", off)
    for cc, name_off, folded_off in country_rows:
        out += cc.encode("ascii") + struct.pack("<HII", 0, name_off, folded_off)
    for name_off, folded_off in state_rows:
        out += struct.pack("<II", name_off, folded_off)
    for r in place_rows:
        out += struct.pack("<IiiIHHH", *r)
    for _, _, off in index_rows:
        out += struct.pack("<I", off)
    out += blob
    with open(args.output, "wb") as f:
        f.write(out)
    print(f"{len(place_rows)} places, {len(index_rows)} index entries, "
          f"{len(zone_rows)} zones, {len(out)} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()
