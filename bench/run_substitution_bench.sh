#!/bin/sh
# Substitution benchmark: generates the sample school with 8 classes per grade (72 classes) and
# its timetable in a release build, makes 10 teachers absent on the first school day and times
# the substitution window's steps on it.
#
#   bench/run_substitution_bench.sh [SEED] [ABSENT_TEACHERS] [REPEATS]
set -e
cd "$(dirname "$0")/.."
SEED=${1:-1}
ABSENT=${2:-10}
REPEATS=${3:-5}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target substitution_bench >/dev/null
BIN=build/bin/substitution_bench
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
"$BIN" generate "$DIR/school.znt" 8 "$SEED"
"$BIN" run "$DIR/school.znt" "$ABSENT" "$REPEATS"
