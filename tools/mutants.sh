#!/usr/bin/env bash
# Checks that the tests notice slips in the code: each mutant of tools/mutants.txt (a small,
# realistic fault) is planted alone in a copy of the tree, the copy is rebuilt incrementally and
# the tests run; a mutant no test notices shows a gap in the tests. Run by hand (about a minute
# a mutant on two cores), never by CI.
#
#   tools/mutants.sh [NUMBER...]    every mutant, or only the numbered ones (1 = first in the list)
#   tools/mutants.sh --check        only checks that every mutant's text is found in the sources
#
# The sources are never changed: the copy, its build folder and the results live in
# $MUTANTS_WORK (default: build-mutants/ in the tree, which git ignores). The copy is brought up
# to date with the sources at the start of every run (only changed files are copied, so the build
# stays incremental; later edits wait for the next run) and every planted file is restored before
# the next mutant, also on Ctrl+C.
#
# results.txt holds one row per mutant, in list order: a run of every mutant starts it afresh, a
# run of some replaces only their rows, so the table stays whole across reruns (after renumbering
# the list, run every mutant). A survivor whose reason starts with "equivalent:" changes nothing
# observable (the reason says why) and is counted apart from the others.
#
# For each mutant the test program of the mutated file's subsystem runs first (build/bin/
# test_<subsystem>, stopping at its first failing test); only when it notices nothing is the
# whole program built and the whole suite run (ctest, stopping at the first failure; the
# package test, which checks packaging only, is left out).
#
# Environment: MUTANTS_WORK (see above), MUTANTS_JOBS (build and test jobs, default 2),
# MUTANTS_BASELINE=0 to skip building the whole copy and checking that, unmutated, it passes
# every test (for a rerun of some mutants on a copy checked before).
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/tools/mutants.txt
work=${MUTANTS_WORK:-$root/build-mutants}
tree=$work/tree
build=$tree/build
jobs=${MUTANTS_JOBS:-2}
results=$work/results.txt
log=$work/log
mkdir -p "$tree" "$log"
export QT_QPA_PLATFORM=offscreen

# --- the copy ---------------------------------------------------------------------------------

# Copies the files of the sources (tracked and new, not ignored) whose content differs, and
# removes files the sources no longer have. Unchanged files keep their times: the build
# recompiles only what changed.
sync_tree() {
    local files
    files=$(mktemp)
    (cd "$root" && git ls-files -co --exclude-standard) | sort -u >"$files"
    while IFS= read -r f; do
        [ -f "$root/$f" ] || continue
        if ! cmp -s "$root/$f" "$tree/$f"; then
            mkdir -p "$(dirname "$tree/$f")"
            cp "$root/$f" "$tree/$f"
        fi
    done <"$files"
    (cd "$tree" && find . -path ./build -prune -o -type f -print | sed 's|^\./||' | sort) |
        comm -23 - "$files" | while IFS= read -r f; do rm -f "$tree/$f"; done
    rm -f "$files"
}

# --- planting and restoring -------------------------------------------------------------------

planted=""    # the file of the copy that holds a mutant now, if any
# Its own for each run: a --check meanwhile must not swap the kept file.
original=$work/original.$$

restore() {
    if [ -n "$planted" ]; then
        # A plain copy gives the file a new time, so the next build recompiles it as it was.
        cp "$original" "$tree/$planted"
        planted=""
    fi
}
trap 'restore; rm -f "$original"' EXIT
trap 'echo; echo "Interrupted: the copy is restored." >&2; exit 130' INT TERM

# Keeps the file of the copy aside for restore(); called in the script's own shell (never in a
# command substitution, whose variables would be lost), so that restore() knows the file.
keep() {
    cp "$tree/$1" "$original"
    planted=$1
}

# In FILE, replaces the first occurrence of BEFORE on the given line or, when the lines moved, on
# the nearest line holding it (up to 40 lines away). Prints the line changed; fails when none
# holds it.
replace_near() {
    perl -e '
        my ($path, $line, $before, $after) = @ARGV;
        open(my $in, "<", $path) or exit 2;
        my @lines = <$in>;
        close($in);
        for my $d (0 .. 40) {
            for my $n ($d ? ($line - $d, $line + $d) : ($line)) {
                next if $n < 1 || $n > @lines;
                my $at = index($lines[$n - 1], $before);
                next if $at < 0;
                substr($lines[$n - 1], $at, length($before)) = $after;
                open(my $out, ">", $path) or exit 2;
                print $out @lines;
                close($out);
                print $n;
                exit 0;
            }
        }
        exit 1;' "$@"
}

# --- building and testing ---------------------------------------------------------------------

configure() {
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # The same options as ./test.sh, so that the compiler cache of the ordinary build serves.
    cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZENTREL_WERROR=ON "${launcher[@]}" \
        >"$log/configure.txt" 2>&1
}

# Runs one test program, stopping at its first failure. Prints the failing test, if any.
run_program() {
    local program=$1 out=$2
    timeout 900 "$build/bin/$program" --gtest_fail_fast --gtest_brief=1 >"$out" 2>&1
    local rc=$?
    [ $rc -eq 0 ] && return 0
    local failed
    failed=$(grep -m1 -o '^\[  FAILED  \] [^ ,]*' "$out" | sed 's/^\[  FAILED  \] //')
    if [ -n "$failed" ]; then
        echo "$failed"
    elif [ $rc -eq 124 ]; then
        echo "$program (timeout)"
    else
        echo "$program (exit $rc)"
    fi
}

# Runs the whole suite, stopping at the first failure. Prints the failing test, if any.
run_suite() {
    local out=$1
    rm -f "$build/Testing/Temporary/LastTestsFailed.log"
    (cd "$build" && ctest -j"$jobs" --stop-on-failure -LE package --output-on-failure >"$out" 2>&1)
    local rc=$?
    [ $rc -eq 0 ] && return 0
    local failed
    failed=$(sed -n 's/^[0-9]*://p' "$build/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | head -1)
    echo "${failed:-ctest (exit $rc)}"
}

# --- the list ---------------------------------------------------------------------------------

# One mutant a line, fields separated by tabs: file, line, text before, text after, reason.
# Blank lines and lines starting with # are skipped.
# Tabs are read as a separator that does not merge: a field may be empty (a text deleted).
split_entry() {
    IFS=$'\x1f' read -r file line before after reason <<<"${1//$'\t'/$'\x1f'}"
}
mapfile -t mutants < <(grep -v -e '^#' -e '^[[:space:]]*$' "$list")
selected=("$@")
if [ "${selected[0]:-}" = --check ]; then
    bad=0
    for n in $(seq 1 ${#mutants[@]}); do
        split_entry "${mutants[$((n - 1))]}"
        cp "$root/$file" "$original" 2>/dev/null &&
            at=$(replace_near "$original" "$line" "$before" "$after") &&
            echo "$n  $file:$at  $reason" || { echo "$n  NOT FOUND  $file:$line  $before"; bad=1; }
    done
    exit $bad
fi
if [ ${#selected[@]} -eq 0 ]; then
    selected=($(seq 1 ${#mutants[@]}))
fi

sync_tree
configure || { echo "The copy does not configure: $log/configure.txt" >&2; exit 1; }
if [ "${MUTANTS_BASELINE:-1}" != 0 ]; then
    echo "Building the copy ($build) ..."
    if ! cmake --build "$build" -j"$jobs" >"$log/build-0.txt" 2>&1; then
        echo "The copy does not build: $log/build-0.txt" >&2
        exit 1
    fi
    echo "Running the tests on the unmutated copy ..."
    failed=$(run_suite "$log/suite-0.txt")
    if [ -n "$failed" ]; then
        echo "The unmutated copy fails $failed ($log/suite-0.txt): fix that first." >&2
        exit 1
    fi
fi

[ $# -eq 0 ] && : >"$results"
touch "$results"
broken=0
for n in "${selected[@]}"; do
    entry=${mutants[$((n - 1))]:-}
    if [ -z "$entry" ]; then
        echo "No mutant $n in $list." >&2
        exit 1
    fi
    split_entry "$entry"
    started=$(date +%s)
    result=""
    by=""
    keep "$file"
    if ! at=$(replace_near "$tree/$file" "$line" "$before" "$after"); then
        result="not found"
        by="text not near line $line"
    else
        subsystem=$(echo "$file" | sed -n 's|^src/\([^/]*\)/.*|\1|p')
        program=test_$subsystem
        if [ -n "$subsystem" ] && ls "$tree/tests/$subsystem/"*Test.cpp >/dev/null 2>&1 &&
            cmake --build "$build" -j"$jobs" --target "$program" >"$log/build-$n.txt" 2>&1; then
            by=$(run_program "$program" "$log/program-$n.txt")
        fi
        if [ -z "$by" ]; then
            if ! cmake --build "$build" -j"$jobs" >>"$log/build-$n.txt" 2>&1; then
                result="not built"
                by="see $log/build-$n.txt"
            else
                by=$(run_suite "$log/suite-$n.txt")
            fi
        fi
        if [ -z "$result" ]; then
            [ -n "$by" ] && result="caught" || result="SURVIVED"
        fi
        file="$file:$at"
    fi
    restore
    # The copy is as before planting, or every later result would be mixed with this mutant.
    if ! cmp -s "$original" "$tree/${file%:*}"; then
        echo "The copy of ${file%:*} was not restored; stopping." >&2
        exit 1
    fi
    case $result in
    caught | SURVIVED) ;;
    *) broken=$((broken + 1)) ;;
    esac
    row=$(printf '%3s  %-9s  %-60s  %s (%s)  [%ss]' "$n" "$result" "${by:--}" "$file" "$reason" \
        "$(($(date +%s) - started))")
    echo "$row"
    # The row replaces the mutant's row of an earlier run.
    { awk -v n="$n" '$1 != n' "$results"; echo "$row"; } | sort -n -k1,1 >"$results.new" &&
        mv "$results.new" "$results"
done

# The whole table, with the rows of earlier runs.
caught=$(grep -c '^ *[0-9]*  caught ' "$results")
equivalent=$(grep -c '^ *[0-9]*  SURVIVED .*(equivalent:' "$results")
survived=$(($(grep -c '^ *[0-9]*  SURVIVED ' "$results") - equivalent))
total=$((caught + survived + equivalent))
echo
printf '%3s  %-9s  %-60s  %s\n' "#" "result" "caught by" "mutant (reason) [time]"
cat "$results"
if [ $total -gt 0 ]; then
    echo "Caught $caught of $total mutants built: $(awk -v c=$caught -v t=$total 'BEGIN { printf "%.1f", 100 * c / t }') %;" \
        "$equivalent equivalent, $survived other survivor(s)."
fi
if [ $broken -gt 0 ]; then
    echo "$broken mutant(s) could not be planted or built: mend their lines in $list." >&2
    exit 1
fi
[ $survived -eq 0 ]
