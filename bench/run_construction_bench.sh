#!/bin/sh
# Construction benchmark: generates the sample school with 2, 4 and 8 classes per grade (18, 36
# and 72 classes) with a fixed seed and constructs each timetable with all three rounds in a
# release build, one process per school so that the peak memory is that school's.
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
    echo "== $CPG classes per grade, seed $SEED"
    "$BIN" construct "$DIR/school$CPG.znt" "$SEED" "$LIMIT"
done
