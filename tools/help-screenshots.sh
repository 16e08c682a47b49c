#!/usr/bin/env bash
# The pictures of the help pages (resources/pomoc/slike/), made again from the sample school with
# tools/screenshot.sh whenever a window they show changes. Each is scaled to 900 pixels wide with
# 64 colours, so that the pages stay small.
#
#   tools/help-screenshots.sh [OUT_DIR]     # default resources/pomoc/slike
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-resources/pomoc/slike}
mkdir -p "$out"
command -v convert >/dev/null || { echo "Manjka ImageMagick (convert)." >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One copy of the sample for all shots, so that the absence entered for one shows in the next.
sample=$work/primer.znt
cp build/bin/primer.znt "$sample"
chmod u+w "$sample"

# name | menu path | tab | keys | project (empty: the sample; "nov": a new empty project) | selection
# (CURRICULUM:TIMETABLE:TURNUS; the sample's valid timetable 1 unless given, its empty one is 2)
# The substitutions of the next school day: its first teacher absent all day, then the first lesson
# to cover chosen (the calendar controls walk to the day with Right).
ahead=$(./build/bin/zentrel-cli day "$sample" --from "$(date -d tomorrow +%F)" --to "$(date -d '+90 day' +%F)" |
  grep -n -E ', (ponedeljek|torek|sreda|četrtek|petek): ' | grep -v -e ': prosto' -e ': Ni veljavnih' | head -1 |
  cut -d: -f1)
walk=$(for _ in $(seq "${ahead:-0}"); do printf 'Right,'; done)
shots=(
  "glavno-okno||||nov"
  "osnovni-ucitelji|&Urejanje/&Osnovni podatki|9||"
  "razpored-enote|&Urejanje/&Razporedi|16||"
  "urniki-avtomatsko|&Urejanje/&Urniki|2|Alt+G||1:2:1"
  "urniki-rocno|&Urejanje/&Urniki|3|Down,Space,Right,Right|"
  "koledar|&Urejanje/&Spremljanje|1||"
  "izpis-urnikov|&Izpisi/Izpis &urnikov|1||"
  "odsotnosti|&Urejanje/&Spremljanje|5|${walk}Tab,Right,Shift+End,Insert,Down|"
  "nadomescanja|&Urejanje/&Spremljanje|8|${walk}Tab,Down|"
)
for entry in "${shots[@]}"; do
  IFS='|' read -r name menu tab keys project sel <<<"$entry"
  args=(-u "${sel:-1:1:1}" -o "$work/$name.png")
  [ -n "$menu" ] && args+=(-m "$menu")
  [ -n "$tab" ] && args+=(-t "$tab")
  [ -n "$keys" ] && args+=(-k "$keys")
  if [ "$project" = nov ]; then
    ./build/bin/zentrel-cli create "$work/Nov projekt.znt" >/dev/null
    args+=(-p "$work/Nov projekt.znt")
  else
    args+=(-p "$sample")
  fi
  tools/screenshot.sh "${args[@]}" >/dev/null || { echo "ni slike: $name" >&2; continue; }
  # The black of the virtual screen around the window is cut away first.
  convert "$work/$name.png" -bordercolor black -border 1 -fuzz 2% -trim +repage -resize '900x>' -colors 64 \
    -strip "PNG8:$out/$name.png"
  echo "$out/$name.png"
done
