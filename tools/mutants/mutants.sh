#!/usr/bin/env bash
# The exercises' tests measured two ways.
#   tools/mutants/mutants.sh count     lines of program, of tests and of
#                                      benchmarks, and the tests' share
#   tools/mutants/mutants.sh run [--at COMMIT] [N…]
#                                      the mutation check: every mutant of
#                                      mutants.txt (or only the numbered ones)
#                                      applied alone to a scratch copy of this
#                                      tree; killed when the exercise's tests
#                                      fail on it, survived when they pass
# The scratch copy ($KOVA_MUTANTS_DIR, /tmp/kova-mutants by default) holds the
# tree as it is now, committed or not, or as it was at COMMIT (so the tests
# of then meet today's mutants), and is built from the compiler cache; this
# tree is never changed. Each mutant recompiles one rules file, links
# test_exercises and runs the tests of that exercise only.
# KOVA_MUTANTS_REUSE=1 takes the scratch copy of an earlier run as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
list=$root/tools/mutants/mutants.txt

source_files() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cpp.in' \) -print0
}

# Program: the shell, the exercises, the clinic, the app and the metronome,
# without benchmarks and tests. Tests: tests/ (fake platform, helpers, robot,
# screenshot walk included) and any test file in an exercise folder, without
# the benchmarks and their support, which are counted apart and in neither.
count() {
    cd "$root"
    local program tests benchmarks
    program=$(source_files shell exercises clinic app tools/metronome |
        grep -zv -e '/bench_' -e '/test_' | xargs -0 cat | wc -l)
    tests=$( (source_files tests | grep -zv '/bench_'
        source_files exercises | grep -z '/test_' || true) | xargs -0 -r cat | wc -l)
    benchmarks=$(source_files shell exercises clinic app tools tests |
        { grep -z '/bench_' || true; } | xargs -0 -r cat | wc -l)
    echo "program    $program lines"
    echo "tests      $tests lines"
    echo "benchmarks $benchmarks lines (in neither)"
    awk -v p="$program" -v t="$tests" 'BEGIN {
        printf "tests are %.0f%% of the program and %.0f%% of all the code\n",
               100 * t / p, 100 * t / (p + t) }'
}

# The tests that can see a change in a file: those of its exercise.
filter_for() {
    case $1 in
    exercises/flipper/* | exercises/flip_forms/*) echo '*Flip*' ;;
    exercises/right_or_left/*) echo '*RightOrLeft*' ;;
    exercises/closing_letters/*) echo '*ClosingLetters*' ;;
    exercises/tracking/*) echo '*Tracking*' ;;
    exercises/eye_rotations/*) echo '*EyeRotation*' ;;
    exercises/tic_tac_toe/*) echo '*TicTacToe*' ;;
    exercises/visual_sequencing/*) echo '*VisualSequencing*' ;;
    exercises/character_searching/*) echo '*CharacterSearching*' ;;
    exercises/color_grids/*) echo '*ColorGrids*' ;;
    exercises/pattern_duplicator/*) echo '*PatternDuplicator*' ;;
    exercises/shape_counting/*) echo '*ShapeCounting*' ;;
    exercises/closing_lines/*) echo '*ClosingLines*' ;;
    tools/metronome/*) echo '*Metronome*' ;;
    *)
        echo "no tests known for $1" >&2
        return 1
        ;;
    esac
}

# Reads mutants.txt into the arrays files, originals and mutations.
read_mutants() {
    files=() originals=() mutations=()
    local line file="" original=""
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in
        '' | '#'*) ;;
        -*) original=${line#-} ;;
        +*)
            files+=("$file") originals+=("$original") mutations+=("${line#+}")
            file="" original=""
            ;;
        *) file=$line ;;
        esac
    done <"$list"
}

occurrences() { # text pattern
    local rest=${1//"$2"/}
    echo $(((${#1} - ${#rest}) / ${#2}))
}

scratch=${KOVA_MUTANTS_DIR:-${TMPDIR:-/tmp}/kova-mutants}
src=$scratch/src

prepare() {
    if [ -n "${KOVA_MUTANTS_REUSE:-}" ] && [ -d "$src/build" ]; then
        # The scratch copy of an earlier run, whose mutants were all undone.
        cd "$src"
        source <(sed -n '/^use_compiler_cache()/,/^}/p' dev.sh)
        use_compiler_cache
        build_tests >"$scratch/build.log" 2>&1
        return
    fi
    # Every file gets a new time, so nothing built from an earlier mutant can
    # be taken for up to date; unchanged files come from the compiler cache.
    rm -rf "$src"
    mkdir -p "$src"
    if [ -n "$at" ]; then
        git -C "$root" archive "$at" | tar -C "$src" -m -xf -
    else
        tar -C "$root" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$src" -m -xf -
    fi
    cd "$src"
    source <(sed -n '/^use_compiler_cache()/,/^}/p' dev.sh)
    use_compiler_cache
    nice -n 19 cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    build_tests >"$scratch/build.log" 2>&1 || {
        echo "the unchanged tree does not build: $scratch/build.log" >&2
        exit 1
    }
}

build_tests() {
    nice -n 19 cmake --build build -j2 --target test_exercises
}

# Only the changed file's library and the test program, without the
# dependency checks of a whole build.
build_library() { # file
    nice -n 19 make -C build --no-print-directory "kova_$(basename "$(dirname "$1")")/fast"
}
build_library_and_tests() { # file
    build_library "$1" && nice -n 19 make -C build --no-print-directory test_exercises/fast
}

run_tests() { # filter
    (cd build && QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C XDG_RUNTIME_DIR=$PWD/runtime \
        timeout 300 nice -n 19 bin/test_exercises --gtest_filter="$1-EventGapsTest.*")
}

restore=""
restore_file() {
    if [ -n "$restore" ]; then
        cp "$scratch/original" "$src/$restore"
        build_library "$restore" >/dev/null 2>&1 || true
        restore=""
    fi
}
trap restore_file EXIT
trap 'exit 1' INT TERM

at=""
run() {
    if [ "${1:-}" = --at ]; then
        at=$2
        shift 2
    fi
    read_mutants
    local chosen=("$@")
    if [ ${#chosen[@]} -eq 0 ]; then
        mapfile -t chosen < <(seq 1 ${#files[@]})
    fi
    prepare
    local filters
    filters=$(for n in "${chosen[@]}"; do filter_for "${files[n - 1]}"; done | sort -u | paste -sd:)
    run_tests "$filters" >"$scratch/baseline.log" 2>&1 || {
        echo "the tests fail on the unchanged tree: $scratch/baseline.log" >&2
        exit 1
    }
    local killed=0 survived=0 invalid=0 report=$scratch/report.txt
    : >"$report"
    for n in "${chosen[@]}"; do
        local file=${files[n - 1]} original=${originals[n - 1]} mutation=${mutations[n - 1]}
        local text found result
        text=$(cat "$file"; printf x)
        text=${text%x}
        found=$(occurrences "$text" "$original")
        if [ "$found" -ne 1 ]; then
            echo "mutant $n: the original text is in $file $found times, not once" >&2
            exit 1
        fi
        cp "$file" "$scratch/original"
        restore=$file
        printf '%s' "${text/"$original"/"$mutation"}" >"$file"
        if ! build_library_and_tests "$file" >"$scratch/mutant-$n.log" 2>&1; then
            result=invalid
            invalid=$((invalid + 1))
        elif run_tests "$(filter_for "$file")" >>"$scratch/mutant-$n.log" 2>&1; then
            result=survived
            survived=$((survived + 1))
        else
            result=killed
            killed=$((killed + 1))
        fi
        restore_file
        printf '%-8s %2d %s: %s -> %s\n' "$result" "$n" "$file" "$original" "$mutation" |
            tee -a "$report"
    done
    echo "killed $killed, survived $survived, did not compile $invalid, of ${#chosen[@]}" |
        tee -a "$report"
}

case "${1:-}" in
count) count ;;
run)
    shift
    run "$@"
    ;;
*)
    echo "usage: $0 count | run [--at COMMIT] [mutant numbers…]" >&2
    exit 2
    ;;
esac
