#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks what
# a user gets: the files, the desktop integration, the command-line tool and
# the program starting offscreen.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null
deb=$(ls "$scratch"/pkg/tirovane_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr

test -x "$root/lib/tirovane/tirovane"
test -f "$root/lib/tirovane/libBmp2Jpeg.so"
test -f "$root/lib/tirovane/site/help.html"
test "$(readlink "$root/bin/tirovane")" = ../lib/tirovane/tirovane
test -f "$root/share/icons/hicolor/scalable/apps/org.tirovane.Tirovane.svg"
test "$(identify -format '%wx%h' "$root/share/icons/hicolor/48x48/apps/org.tirovane.Tirovane.png")" = 48x48
desktop-file-validate "$root/share/applications/org.tirovane.Tirovane.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.tirovane.Tirovane.metainfo.xml" >/dev/null
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
# The precise positions: the library (found by the scan) and its files.
dpkg-deb -f "$deb" Depends | grep -q libswe
dpkg-deb -f "$deb" Depends | grep -q swe-basic-data

# The tool from the package charts the worked example.
example='{"Name":"Example","Day":12,"Month":4,"Year":1992,"Hour":0,"Minute":0,"ZoneRow":29,"LatitudeDegrees":51,"LatitudeMinutes":30,"South":false,"LongitudeDegrees":0,"LongitudeMinutes":0,"East":false,"DaylightSaving":false,"City":"London","State":"England","Country":"United Kingdom"}'
echo "$example" | "$root/bin/tirovane-cli" chart | grep -q "\"AscendantText\":\"25° 23' 31\\\\\" Sco\""
# ... and writes its PDF report without a display.
printf '%s\n%s\n' "$example" "$example" |
  env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/tirovane-cli" report "$scratch/report.pdf"
pdftotext "$scratch/report.pdf" "$scratch/report.txt"
grep -q 'Position of Mars from Lagna is 4' "$scratch/report.txt"

# The atlas lies beside the program, and the tool from the package finds a
# town by its old name with the zone row of a date.
cmp -s "$root/lib/tirovane/places.atlas" "$(dirname "$0")/../../atlas/data/places.atlas"
"$root/bin/tirovane-cli" place Madras --date 1943-05-01 --limit 1 |
  grep -q '"Name":"Chennai".*"UtcOffsetMinutes":390,"DaylightSaving":true,"ZoneRow":34'

# The program starts through its link and keeps running until told to end.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config QT_QPA_PLATFORM=offscreen
"$root/bin/tirovane" &
pid=$!
sleep 3
kill -0 "$pid"
kill -TERM "$pid"
wait "$pid"
