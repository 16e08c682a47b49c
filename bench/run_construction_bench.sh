#!/bin/sh
# Construction benchmark, release build, one process per school so that the peak memory is that
# school's. Generates the sample school with 2, 4 and 8 classes per grade (18, 36 and 72 classes)
# and constructs turnus I of each:
#   plain      as generated, all three rounds and the completion step;
#   planted    tightened around a complete timetable found first (a complete one is known to
#              exist), seeds 1 to 3: what the three rounds leave and what completion places;
#   hard       every third teacher kept from periods 2 to 4 on two days: class frames too small
#              for what the class teachers may teach, said at once;
#   impossible a teacher free on fewer days than a unit needs, said at once.
#
#   bench/run_construction_bench.sh [SEED] [THIRD_ROUND_TIME_LIMIT_SECONDS]
set -e
cd "$(dirname "$0")/.."
SEED=${1:-1}
LIMIT=${2:-60}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target construction_bench >/dev/null
BIN=build/bin/construction_bench
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
for CPG in 2 4 8; do
    "$BIN" generate "$DIR/school$CPG.znt" "$CPG" "$SEED"
done
run() { # CLASSES_PER_GRADE VARIANT SEED
    cp "$DIR/school$1.znt" "$DIR/run.znt"
    echo "== $1 classes per grade, $2, seed $3"
    "$BIN" construct "$DIR/run.znt" --variant "$2" --seed "$3" --third-limit "$LIMIT" --complete
}
for CPG in 2 4 8; do run "$CPG" plain "$SEED"; done
for CPG in 2 4 8; do for S in 1 2 3; do run "$CPG" planted "$S"; done; done
for CPG in 2 4; do run "$CPG" hard "$SEED"; done
run 2 impossible "$SEED"
