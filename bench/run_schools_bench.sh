#!/bin/bash
# Benchmark of the engine on real schools' projects, kept outside the repository in
# ../shared/data/schools (relative to the repository's folder). For each school, extra periods
# K = 0 and 1, seeds 1 to 3: all three rounds and the completion step, then the independent check.
# One line per run: placed %, the whole process's time, idle periods of teachers and classes and
# the other quality measures as "before -> after completion", what verify says, and how many
# unplaced lessons the analysis names with a free cell of their frame (there should be none).
# Then bulgariacore with K = 0 and seeds 1 to 10 (a complete timetable is known to exist).
#
#   bench/run_schools_bench.sh [SCHOOL ...]      (default: every *.znt there)
set -e
cd "$(dirname "$0")/.."
# Beside the repository; a worktree's repository is the one that holds its .git.
REPO=$(cd "$(git rev-parse --git-common-dir)/.." && pwd)
SCHOOLS_DIR=$REPO/../shared/data/schools
if [ ! -d "$SCHOOLS_DIR" ]; then
    echo "Ni mape $SCHOOLS_DIR: primerjava šol preskočena."
    exit 0
fi
cmake --build build -j2 --target zentrel-cli >/dev/null
CLI=$(pwd)/build/bin/zentrel-cli
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT

if [ $# -gt 0 ]; then
    NAMES="$*"
else
    NAMES=$(cd "$SCHOOLS_DIR" && ls *.znt | sed 's/\.znt$//')
fi

run() { # SCHOOL K SEED
    cp "$SCHOOLS_DIR/$1.znt" "$DIR/run.znt"
    chmod u+w "$DIR/run.znt"
    local start end out
    start=$(date +%s.%N)
    out=$("$CLI" construct "$DIR/run.znt" --timetable 1 --turnus 1 --extra-periods "$2" --second-round \
        --third-round --complete --seed "$3" 2>&1) || true
    end=$(date +%s.%N)
    local placed measures free verify
    placed=$(printf '%s\n' "$out" | sed -n 's/^Sestavljeno: //p' | tail -1)
    # "Luknje učiteljev: 552 -> 534, luknje oddelkov: 939 -> 841, ...": the figures only.
    # The forced repeats, "(neizogibnih: 5 -> 32)", go into brackets after the repeats.
    measures=$(printf '%s\n' "$out" | grep -i '^Luknje' |
        sed 's/ (neizogibnih: \([0-9]* -> [0-9]*\))/[\1]/; s/[^,]*: \([0-9]* -> [0-9]*\)/\1/g' | tr -d ' ')
    free=$(printf '%s\n' "$out" | grep -c 'V okvirju je prosto mesto' || true)
    verify=$("$CLI" verify "$DIR/run.znt" --timetable 1 --turnus 1 --extra-periods "$2" 2>&1 | tail -1 |
        sed 's/^Urnik "[^"]*", turnus [^:]*: //')
    printf '%-13s K=%s seed=%-2s placed %-8s time %6.2f s  measures %-40s verify: %s  free cell: %s\n' \
        "$1" "$2" "$3" "$placed" "$(echo "$end - $start" | bc)" "$measures" "$verify" "$free"
}

echo "measures: teachers' idle, classes' idle, repeats [of which forced], elective blocks on one day," \
    "each before -> after completion"
for S in $NAMES; do
    for K in 0 1; do
        for SEED in 1 2 3; do run "$S" "$K" "$SEED"; done
    done
done
if [ -f "$SCHOOLS_DIR/bulgariacore.znt" ] && [ $# -eq 0 ]; then
    for SEED in 4 5 6 7 8 9 10; do run bulgariacore 0 "$SEED"; done
fi
