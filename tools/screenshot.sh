#!/usr/bin/env bash
# Screenshots of Zentrel's windows for a person to look at: starts the program under Xvfb on a
# project, opens a menu path (a menu is dropped down, an item chosen) and a tab, and writes a PNG.
#
#   tools/screenshot.sh [-p PROJECT] [-m "&Datoteka/&Nastavitve/&Urejanje"] [-t TAB] [-k F5,Down] [-d MS] -o OUT.png
#   tools/screenshot.sh [-p PROJECT] -a DIR     # a set of shots of every menu and window into DIR
#   -u CURRICULUM:TIMETABLE:TURNUS               # the program's current selections, by ID
#
# -t TAB counts the tabs of the page set in the order of the strip, each top tab followed by its
# second-row tabs (in "&Urejanje/&Osnovni podatki": 0 Prostori, 1 Skupine prostorov, ...,
# 3 Predmeti, 4 Predmeti in prostori, ...). -k presses keys in the window in front once the tab
# shows: F5 for the edit state, F6 for a new record.
#
# PROJECT defaults to the sample project. The settings (zn.INI, zn.opm) live in a throw-away
# folder, so screenshots never change the user's own.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=./build/bin/zentrel
[ -x "$bin" ] || { echo "Najprej zgradite program (./run.sh ali cmake --build build)." >&2; exit 1; }

project="" menu="" tab="" keys="" delay="" out="" all="" sel=""
while getopts "p:m:t:k:d:o:a:u:" opt; do
  case $opt in
    p) project=$OPTARG ;; m) menu=$OPTARG ;; t) tab=$OPTARG ;; k) keys=$OPTARG ;; d) delay=$OPTARG ;;
    o) out=$OPTARG ;; a) all=$OPTARG ;; u) sel=$OPTARG ;;
    *) exit 1 ;;
  esac
done
[ -n "$out" ] || [ -n "$all" ] || { echo "Manjka -o OUT.png ali -a MAPA" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export ZENTREL_HOME=$home
select_timetable() { # CURRICULUM:TIMETABLE:TURNUS into the settings the program reads at start-up
  local c t u
  IFS=: read -r c t u <<<"$1"
  printf '[arrangement]\n%s\n[timetable]\n%s\n[turn]\n%s\n' "$c" "$t" "$u" >"$home/zn.INI"
}
[ -n "$sel" ] && select_timetable "$sel"
if [ -z "$project" ]; then
  project=$(./build/bin/zentrel-cli ensure-sample || true)
  if [ -z "$project" ]; then # no sample school shipped: an empty new project
    project=$home/Urniki/Projekt.znt
    ./build/bin/zentrel-cli create "$project" >/dev/null 2>&1
  fi
fi
project=$(realpath "$project")

# A file name from a caption: lower case, no accelerators, dashes for blanks, no carons.
slug() { echo "$1" | tr -d '&' | sed 's/č/c/g; s/š/s/g; s/ž/z/g; s/Č/c/g; s/Š/s/g; s/Ž/z/g' | tr ' ' '-' | tr 'A-Z' 'a-z'; }

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
  # The program's own help window (F1 or "Vsebina").
  shot "$all/pomoc.png" "&Pomoč/&Vsebina" "" ""
  shot "$all/odpri-projekt.png" "&Datoteka/&Odpri projekt ..." "" ""
  shot "$all/nov-projekt.png" "&Datoteka/&Ustvari projekt/&Od začetka..." "" ""
  shot "$all/skrci-vprasanje.png" "&Datoteka/&Skrči / popravi podatke" "" ""
  # A new project from an existing one: basic data chosen, then the timetable part (the two
  # lists available).
  shot "$all/uvoz.png" "&Datoteka/&Ustvari projekt/&Na osnovi obstoječega..." "" ""
  shot "$all/uvoz-urnik.png" "&Datoteka/&Ustvari projekt/&Na osnovi obstoječega..." "" "" "Down,Down"
  # Every tab of the page sets that have record windows, in browse state and in edit state
  # (F5): NN-TAB.png and NN-TAB-uredi.png under a folder per menu area. Tabs without a window
  # are skipped; the program says where a page set ends.
  tabs() { # folder menu
    local dir="$all/$1" t=0 rc out name
    mkdir -p "$dir"
    while :; do
      rc=0
      out=$(shot "$dir/.shot.png" "$2" "$t" "" 2>/dev/null) || rc=$?
      if [ $rc -eq 4 ]; then break; fi
      if [ $rc -eq 0 ]; then
        name=$(printf '%02d-%s' "$t" "$(slug "${out#Zavihek: }")")
        mv "$dir/.shot.png" "$dir/$name.png"
        shot "$dir/$name-uredi.png" "$2" "$t" "" "F5" >/dev/null 2>&1 || echo "brez urejanja: $2 $t" >&2
      elif [ $rc -ne 5 ]; then
        echo "ni na voljo: $2" >&2
        break
      fi
      t=$((t + 1))
    done
    rm -f "$dir/.shot.png"
  }
  tabs infrastruktura "&Datoteka/&Infrastruktura"
  tabs nastavitve "&Datoteka/&Nastavitve/&Urejanje"
  tabs osnovni-podatki "&Urejanje/&Osnovni podatki"
  tabs razporedi "&Urejanje/&Razporedi"
  # The timetable windows work on the current timetable: the sample's valid one, turnus I. Then a
  # lesson carried by keys with the conflict marks of every cell, and the construction of the
  # empty timetable run from its window, with its unplaced lessons before.
  [ -n "$sel" ] || select_timetable 1:1:1
  tabs urniki "&Urejanje/&Urniki"
  shot "$all/urniki/03-rocno-nosenje.png" "&Urejanje/&Urniki" 3 "" "Down,Space,Right,Right" >/dev/null
  select_timetable 1:2:1
  shot "$all/urniki/05-nerazporejeni-prazen.png" "&Urejanje/&Urniki" 5 "" >/dev/null
  shot "$all/urniki/02-avtomatsko-sestavljeno.png" "&Urejanje/&Urniki" 2 3000 "F5" >/dev/null
  tabs spremljanje "&Urejanje/&Spremljanje"
  # Page set 5 at work: the calendar's dialogs (Ins adds to the active list, F10 cuts a period);
  # then the first teacher made absent for the whole of the next school day in the absence
  # window, zentrel-cli's ranking for that day, and the substitution window with the first lesson
  # of the first class chosen, before and after storing the best candidate (F12).
  work="$all/spremljanje-delo" menu5="&Urejanje/&Spremljanje"
  mkdir -p "$work"
  shot "$work/dodaj-veljavnost.png" "$menu5" 1 "" "Insert" >/dev/null || echo "ni na voljo: $menu5" >&2
  shot "$work/brisi-obdobje.png" "$menu5" 1 "" "F10" >/dev/null || true
  shot "$work/dodaj-proste-dni.png" "$menu5" 2 "" "Insert" >/dev/null || true
  shot "$work/spremeni-dan.png" "$menu5" 3 "" "Insert" >/dev/null || true
  ahead=$(./build/bin/zentrel-cli day "$project" --from "$(date -d tomorrow +%F)" --to "$(date -d '+90 day' +%F)" |
    grep -n -E ', (ponedeljek|torek|sreda|četrtek|petek): ' | grep -v -e ': prosto' -e ': Ni veljavnih' |
    head -1 | cut -d: -f1)
  if [ -n "$ahead" ]; then
    walk=$(for _ in $(seq "$ahead"); do printf 'Right,'; done)
    day=$(date -d "+$ahead day" +%F)
    shot "$work/odsotnost.png" "$menu5" 5 "" "${walk}Tab,Right,Shift+End,Insert,Down" >/dev/null || true
    ./build/bin/zentrel-cli substitutes "$project" "$day" --top 3 >"$work/nadomescanja-$day.txt" || true
    shot "$work/nadomescanja.png" "$menu5" 8 "" "${walk}Tab,Down" >/dev/null || true
    shot "$work/nadomescanja-shranjeno.png" "$menu5" 8 "" "${walk}Tab,Down,F12" >/dev/null || true
    ./build/bin/zentrel-cli substitutes "$project" "$day" --top 3 >"$work/nadomescanja-$day-shranjeno.txt" || true
  fi
  # Curricula, assignments and combined groups: the copy dialog and the states of a new record
  # (the teacher's assignments are only added, so F6 is their edit state; the sample is in the
  # automatic stage of the elective process, whose five tabs come before "Razpored").
  for entry in "00-izbira-kopiraj:0:F7" "07-skupine-nova:7:F6" "17-razpored-ucitelja-dodaj:17:F6"; do
    IFS=: read -r name t key <<<"$entry"
    shot "$all/razporedi/$name.png" "&Urejanje/&Razporedi" "$t" "" "$key" >/dev/null 2>&1 || echo "ni na voljo: $name" >&2
  done
  # The elective process shows the tabs of its stage: the sample is in the automatic stage, a
  # copy of it is put into the choice stage for the other tabs.
  sample=$project
  project=$home/Urniki/izbira.znt
  cp "$sample" "$project"
  ./build/bin/zentrel-cli electives "$project" --stage izbira >/dev/null
  tabs razporedi-izbira "&Urejanje/&Razporedi"
  project=$sample
  # The printout areas, on their first tab, where this build has windows for them.
  area() { shot "$1" "$2" "" "" >/dev/null || echo "ni na voljo: $2" >&2; }
  for i in "Izpis &osnovnih podatkov" "Izpis &razporedov" "Izpis &urnikov" "Izpis &spremljanja" "Izpis r&ealizacije"; do
    name=$(slug "$i")
    area "$all/$name.png" "&Izpisi/$i"
  done
  # Printouts and exports, with the sample's curriculum, first timetable and turnus current:
  # every tab of the printout areas, the preview of the classes' weeks (F5), a page of the
  # classes' PDF as pdftoppm renders it, and the HTML site's index and a class's page (also as a
  # phone shows it) as headless Chromium shows them.
  printf '[arrangement]\n1\n[timetable]\n1\n[turn]\n1\n' > "$home/zn.INI"
  tabs izpis-urnikov "&Izpisi/Izpis &urnikov"
  # Every tab of the other printout areas; the second shot of each (F5) is its preview.
  tabs izpis-osnovnih-podatkov "&Izpisi/Izpis &osnovnih podatkov"
  tabs izpis-razporedov "&Izpisi/Izpis &razporedov"
  tabs izpis-spremljanja "&Izpisi/Izpis &spremljanja"
  tabs izpis-realizacije "&Izpisi/Izpis r&ealizacije"
  shot "$all/izpis-urnikov/predogled.png" "&Izpisi/Izpis &urnikov" 1 3000 "F5" >/dev/null
  exports=$home/izvoz
  mkdir -p "$exports"
  ./build/bin/zentrel-cli export "$project" --kind classes --objects 8.a --format pdf "$exports/8a.pdf" >/dev/null 2>&1
  pdftoppm -r 80 -png -singlefile "$exports/8a.pdf" "$all/izpis-urnikov/pdf-8a" || echo "ni pdftoppm" >&2
  ./build/bin/zentrel-cli export "$project" --kind classes --format html "$exports/spletisce" >/dev/null 2>&1
  browser() { # url out width height
    local profile
    profile=$(mktemp -d)
    timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
      --disable-background-networking --disable-component-update --disable-sync --user-data-dir="$profile" \
      --hide-scrollbars --window-size="$3,$4" --screenshot="$2" "$1" >/dev/null 2>&1 || echo "ni brskalnika" >&2
    rm -rf "$profile"
  }
  browser "file://$exports/spletisce/index.html" "$all/izpis-urnikov/html-kazalo.png" 1100 760
  browser "file://$exports/spletisce/Enote_8.a.html" "$all/izpis-urnikov/html-8a.png" 900 760
  browser "file://$exports/spletisce/Enote_8.a.html" "$all/izpis-urnikov/html-8a-telefon.png" 390 844
  find "$all" -name '*.png' | sort
else
  shot "$out" "$menu" "$tab" "$delay" "$keys"
  echo "$out"
fi
