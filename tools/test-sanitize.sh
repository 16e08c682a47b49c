#!/usr/bin/env bash
# The checking build: the logic, the command-line tool, their tests and the fuzz runner, built
# with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/ and run there. Memory
# errors, undefined behaviour and leaks (LeakSanitizer) are findings; any finding, in a test
# program or in a process a test starts, fails the run. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-sanitize
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The cache takes files compiled with a precompiled header only with these.
export CCACHE_SLOPPINESS=pch_defines,time_macros
# Paths inside the checkout count relative to it, so that another checkout reuses the cache.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
start=$SECONDS
# -O1 keeps the tests fast enough; the line tables are enough for the reports' stacks.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" -DZENTREL_SANITIZE=ON \
  -DZENTREL_WIDGETS=OFF -DZENTREL_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
built=$SECONDS

# Every report goes to a file of its own as well as failing its process, so that a finding in a
# process whose exit status a test does not look at still fails the run.
logs=$PWD/$build/sanitizer-reports
rm -rf "$logs" && mkdir -p "$logs"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:exitcode=66:strict_string_checks=1:check_initialization_order=1:log_path=$logs/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=66:log_path=$logs/ubsan"
export LSAN_OPTIONS="exitcode=66:suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
status=0
(cd "$build" && ctest --output-on-failure -j"$(nproc)" -E '^fuzz_' "$@") || status=1
tested=$SECONDS
(cd "$build" && ctest --output-on-failure -j"$(nproc)" -R '^fuzz_' "$@") || status=1
fuzzed=$SECONDS
if compgen -G "$logs/*" >/dev/null; then
  echo "Sanitizer findings:"
  cat "$logs"/*
  status=1
fi
echo "Checking build: $((built - start)) s to build, $((tested - built)) s of tests, $((fuzzed - tested)) s of fuzzing"
exit $status
