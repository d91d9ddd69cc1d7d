#!/usr/bin/env bash
# tirovane-cli reading under valgrind's memcheck: no error and no leak.
# Usage: memcheck_test.sh TIROVANE_CLI
set -euo pipefail
cli=$1
person='{"Name":"Example","Day":12,"Month":4,"Year":1992,"Hour":0,"Minute":0,"ZoneRow":29,"LatitudeDegrees":51,"LatitudeMinutes":30,"South":false,"LongitudeDegrees":0,"LongitudeMinutes":0,"East":false,"DaylightSaving":false,"City":"London","State":"England","Country":"United Kingdom"}'
printf '%s\n%s\n' "$person" "${person/Example/Partner}" |
  valgrind --quiet --tool=memcheck --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite,indirect,possible --show-leak-kinds=definite,indirect,possible \
    "$cli" reading >/dev/null
# A bad line takes the error path.
echo '{"Name": 1}' |
  valgrind --quiet --tool=memcheck --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite,indirect,possible "$cli" reading >/dev/null || test $? -eq 1
