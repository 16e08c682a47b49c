#!/usr/bin/env bash
# Screenshots of Zentrel's windows for a person to look at: starts the program under Xvfb on a
# project, opens a menu path (a menu is dropped down, an item chosen) and a tab, and writes a PNG.
#
#   tools/screenshot.sh [-p PROJECT] [-m "&Datoteka/&Nastavitve/&Urejanje"] [-t TAB] [-k F5,Down] [-d MS] -o OUT.png
#   tools/screenshot.sh [-p PROJECT] -a DIR     # a set of shots of every menu and window into DIR
#
# PROJECT defaults to the sample project. The settings (zn.INI, zn.opm) live in a throw-away
# folder, so screenshots never change the user's own.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=./build/bin/zentrel
[ -x "$bin" ] || { echo "Najprej zgradite program (./run.sh ali cmake --build build)." >&2; exit 1; }

project="" menu="" tab="" keys="" delay="" out="" all=""
while getopts "p:m:t:k:d:o:a:" opt; do
  case $opt in
    p) project=$OPTARG ;; m) menu=$OPTARG ;; t) tab=$OPTARG ;; k) keys=$OPTARG ;; d) delay=$OPTARG ;;
    o) out=$OPTARG ;; a) all=$OPTARG ;;
    *) exit 1 ;;
  esac
done
[ -n "$out" ] || [ -n "$all" ] || { echo "Manjka -o OUT.png ali -a MAPA" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export ZENTREL_HOME=$home
if [ -z "$project" ]; then
  project=$(./build/bin/zentrel-cli ensure-sample || true)
  if [ -z "$project" ]; then # no sample school shipped: an empty new project
    project=$home/Urniki/Projekt.znt
    ./build/bin/zentrel-cli create "$project" >/dev/null 2>&1
  fi
fi
project=$(realpath "$project")

shot() { # out menu tab delay keys
  local args=(--screenshot-out "$(realpath -m "$1")")
  [ -n "$2" ] && args+=(--screenshot-menu "$2")
  [ -n "$3" ] && args+=(--screenshot-tab "$3")
  [ -n "$4" ] && args+=(--screenshot-delay "$4")
  [ -n "${5:-}" ] && args+=(--screenshot-keys "$5")
  xvfb-run -a -s "-screen 0 1280x860x24" "$bin" "${args[@]}" "$project" 2> >(grep -v XDG_RUNTIME_DIR >&2)
}

if [ -n "$all" ]; then
  mkdir -p "$all"
  shot "$all/glavna.png" "" "" ""
  shot "$all/meni-datoteka.png" "&Datoteka" "" ""
  shot "$all/meni-ustvari.png" "&Datoteka/&Ustvari projekt" "" ""
  shot "$all/meni-nastavitve.png" "&Datoteka/&Nastavitve" "" ""
  shot "$all/meni-urejanje.png" "&Urejanje" "" ""
  shot "$all/meni-izpisi.png" "&Izpisi" "" ""
  shot "$all/meni-pomoc.png" "&Pomoč" "" ""
  shot "$all/o-programu.png" "&Pomoč/&O programu" "" ""
  shot "$all/odpri-projekt.png" "&Datoteka/&Odpri projekt ..." "" ""
  shot "$all/nov-projekt.png" "&Datoteka/&Ustvari projekt/&Od začetka..." "" ""
  shot "$all/skrci-vprasanje.png" "&Datoteka/&Skrči / popravi podatke" "" ""
  for t in 0 1 2; do
    shot "$all/nastavitve-$t.png" "&Datoteka/&Nastavitve/&Urejanje" "$t" ""
    shot "$all/nastavitve-$t-uredi.png" "&Datoteka/&Nastavitve/&Urejanje" "$t" "" "F5"
  done
  # The other menu areas, on their first tab, where this build has windows for them.
  area() { shot "$1" "$2" "" "" || echo "ni na voljo: $2" >&2; }
  area "$all/infrastruktura.png" "&Datoteka/&Infrastruktura"
  area "$all/osnovni-podatki.png" "&Urejanje/&Osnovni podatki"
  area "$all/razporedi.png" "&Urejanje/&Razporedi"
  area "$all/urniki.png" "&Urejanje/&Urniki"
  area "$all/spremljanje.png" "&Urejanje/&Spremljanje"
  for i in "Izpis &osnovnih podatkov" "Izpis &razporedov" "Izpis &urnikov" "Izpis &spremljanja" "Izpis r&ealizacije"; do
    name=$(echo "$i" | tr -d '&' | tr ' ' '-' | tr 'A-Z' 'a-z')
    area "$all/$name.png" "&Izpisi/$i"
  done
  ls "$all"
else
  shot "$out" "$menu" "$tab" "$delay" "$keys"
  echo "$out"
fi
