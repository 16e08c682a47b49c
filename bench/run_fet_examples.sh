#!/bin/bash
# Imports every FET example school shipped by the fet-data package (FET-5-official and
# FET-6-official) and, unless --import-only, constructs and verifies each imported timetable.
# Prints one line per file (tab separated) and a summary of imports and refusals by reason.
#
#   bench/run_fet_examples.sh [--import-only] [--construct-limit SECONDS] [--max-activities N]
#
# --max-activities N constructs only schools with at most N activities (all are imported).
set -u
cd "$(dirname "$0")/.."
IMPORT_ONLY=0
LIMIT=10
MAX=1000000
while [ $# -gt 0 ]; do
    case "$1" in
    --import-only) IMPORT_ONLY=1 ;;
    --construct-limit) LIMIT=$2; shift ;;
    --max-activities) MAX=$2; shift ;;
    *) echo "Uporaba: $0 [--import-only] [--construct-limit SEKUNDE] [--max-activities N]" >&2; exit 1 ;;
    esac
    shift
done
CLI=build/bin/zentrel-cli
EXAMPLES=/usr/share/doc/fet-data/examples
[ -x "$CLI" ] || { echo "Najprej zgradi build/bin/zentrel-cli." >&2; exit 1; }
[ -d "$EXAMPLES" ] || { echo "Ni primerov FET (paket fet-data)." >&2; exit 1; }
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
export ZENTREL_HOME="$DIR/home"
mkdir -p "$ZENTREL_HOME"
printf 'file\tactivities\tresult\timport_s\tplaced\ttotal\tplaced_pct\tverify\n'
imported=0
refused=0
crashed=0
: >"$DIR/reasons"
while IFS= read -r f; do
    name=${f#"$EXAMPLES"/}
    acts=$(grep -c '<Activity>' "$f")
    rm -f "$DIR/p.znt"
    start=$(date +%s.%N)
    "$CLI" import-fet "$f" "$DIR/p.znt" --force >"$DIR/out" 2>"$DIR/err"
    rc=$?
    secs=$(echo "$(date +%s.%N) - $start" | bc)
    if [ $rc -gt 1 ]; then
        crashed=$((crashed + 1))
        printf '%s\t%s\tCRASH(%s)\t%.2f\n' "$name" "$acts" "$rc" "$secs"
        continue
    fi
    if [ $rc -ne 0 ]; then
        refused=$((refused + 1))
        # The reason without the file's name and numbers.
        reason=$(head -1 "$DIR/err" | sed -E 's/Datoteka [^ ]+ //; s/[0-9]+/N/g')
        echo "$reason" >>"$DIR/reasons"
        printf '%s\t%s\tzavrnjena: %s\t%.2f\n' "$name" "$acts" "$reason" "$secs"
        continue
    fi
    imported=$((imported + 1))
    if [ $IMPORT_ONLY -eq 1 ] || [ "$acts" -gt "$MAX" ]; then
        printf '%s\t%s\tuvožena\t%.2f\n' "$name" "$acts" "$secs"
        continue
    fi
    "$CLI" construct "$DIR/p.znt" --timetable 1 --turnus 1 --second-round --third-round --time-limit "$LIMIT" \
        --complete --complete-limit 5 >"$DIR/c" 2>/dev/null
    line=$(grep '^Razporejeno:' "$DIR/c" | head -1)
    placed=$(echo "$line" | awk '{print $2}')
    total=$(echo "$line" | awk '{print $4}')
    pct=$( [ -n "$total" ] && [ "$total" -gt 0 ] && echo "scale=1; 100 * $placed / $total" | bc || echo "-")
    "$CLI" verify "$DIR/p.znt" --timetable 1 --turnus 1 >"$DIR/v" 2>/dev/null
    verify=$(grep '^Urnik .*, turnus ' "$DIR/v" | tail -1 | sed 's/.*: //')
    printf '%s\t%s\tuvožena\t%.2f\t%s\t%s\t%s\t%s\n' "$name" "$acts" "$secs" "${placed:--}" "${total:--}" "$pct" "$verify"
done < <(find "$EXAMPLES/FET-5-official" "$EXAMPLES/FET-6-official" -name '*.fet' | sort)
echo
echo "uvoženih: $imported, zavrnjenih: $refused, sesutij: $crashed"
sort "$DIR/reasons" | uniq -c | sort -rn
