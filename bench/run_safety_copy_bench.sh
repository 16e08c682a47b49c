#!/bin/sh
# Safety-copy benchmark: generates the sample school with 8 classes per grade (72 classes) and its
# timetables (as shipped: constructed, valid in the calendar) in a release build, then times safety
# copies of it (the goal: under 0.2 s each).
#
#   bench/run_safety_copy_bench.sh [SEED] [REPEATS]
set -e
cd "$(dirname "$0")/.."
SEED=${1:-1}
REPEATS=${2:-10}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target zentrel-cli safety_copy_bench >/dev/null
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
ZENTREL_HOME="$DIR/home" build/bin/zentrel-cli sample "$DIR/school.znt" --classes-per-grade 8 --seed "$SEED" --shipped >/dev/null
build/bin/safety_copy_bench "$DIR/school.znt" "$REPEATS"
