#!/usr/bin/env bash
# Installs what is missing, builds in release mode, makes sure the sample project exists and
# starts the program. "./run.sh --cli ARGS..." runs the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
if [ "${1:-}" = "--cli" ]; then
  shift
  exec ./build/bin/zentrel-cli "$@"
fi
sample=$(./build/bin/zentrel-cli ensure-sample)
if [ -x ./build/bin/zentrel ]; then
  exec ./build/bin/zentrel "$@"
fi
exec ./build/bin/zentrel-cli check "$sample"
