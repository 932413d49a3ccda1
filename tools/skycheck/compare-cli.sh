#!/bin/sh
# Runs kalnika-cli's precise method for every month 2020-2030 at the five places
# of the check tables (automatic clock from their zone names) and compares every
# day with the tables: node compare.mjs per place, the days of all months at once.
#
#   tools/skycheck/compare-cli.sh PATH/TO/kalnika-cli
set -eu
cli=$(realpath "${1:?usage: compare-cli.sh PATH/TO/kalnika-cli}")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\r\n' '[LOCATION]' \
  '0="Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30"' \
  '1="Pune, Maharashtra, India       18 N 31  073 E 51  +05:30"' \
  '2="London, England, UK            51 N 30  000 W 08  +00:00"' \
  '3="New York, New York, USA        40 N 43  074 W 00  -05:00"' \
  '4="San Jose, California, USA      37 N 20  121 W 53  -08:00"' \
  '[TIME ZONES]' '0=Asia/Kolkata' '1=Asia/Kolkata' '2=Europe/London' '3=America/New_York' \
  '4=America/Los_Angeles' > "$work/places.ini"
status=0
i=0
for place in mumbai pune london newyork sanjose; do
  {
    printf '{"days": ['
    sep=''
    for y in $(seq 2020 2030); do for m in $(seq 1 12); do
      "$cli" --places "$work/places.ini" --place $i --month "$m" --year "$y" --method precise --format json |
        node -e 'let s="";process.stdin.on("data",d=>s+=d).on("end",()=>{const d=JSON.parse(s).days;process.stdout.write(d.map(x=>JSON.stringify(x)).join(","))})' |
        { printf '%s' "$sep"; cat; }
      sep=','
    done; done
    printf ']}\n'
  } > "$work/$place.json"
  node "$here/compare.mjs" --place "$place" --verbose "$work/$place.json" || status=1
  i=$((i + 1))
done
exit $status
