#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. `./test.sh --sanitize` runs the checking
# build instead (tools/test-sanitize.sh).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
if [ "${1:-}" = --sanitize ]; then
  shift
  exec ./tools/test-sanitize.sh "$@"
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths inside the checkout count relative to it, so that another checkout reuses the cache.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZENTREL_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
