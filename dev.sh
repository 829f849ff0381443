#!/usr/bin/env bash
# KOVA's set-up, build, run and test entry point.
#   ./dev.sh run    install what is missing, build, start KOVA
#   ./dev.sh test   install what is missing, build, run every test headless
#   ./dev.sh bench  install what is missing, build and run the benchmarks
#   ./dev.sh sanitize  build in build-sanitize with AddressSanitizer,
#                   UndefinedBehaviorSanitizer and leak detection; run every
#                   test, the long robot runs and the robot on the real platform
#   ./dev.sh package  build kova_<version>_<arch>.deb in the build folder
#   ./dev.sh robot [events]  long robot run: events per exercise (100000),
#                   seed from KOVA_ROBOT_SEED or the clock
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ qt6-base-dev qt6-multimedia-dev libgtest-dev libgmock-dev
          libgl-dev fonts-liberation xvfb xauth poppler-utils ccache
          libqt6sql6-sqlite libqt6sql6-psql qt6-charts-dev libqt6opengl6-dev postgresql lld
          desktop-file-utils appstream dpkg-dev fakeroot file lintian
          qtkeychain-qt6-dev)
BUILD_DIR=${KOVA_BUILD_DIR:-build}

# Compiled objects are kept between builds and checkouts (paths taken as
# relative to this folder), so a second build folder or a new checkout
# compiles only what changed. The sloppiness lets the cache keep files that
# are compiled with a precompiled header; leaving the build folder out of the
# hash lets a new checkout reuse the precompiled headers themselves (their
# debug information may then name the folder of an earlier checkout).
use_compiler_cache() {
    command -v ccache >/dev/null || return 0
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
    export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() {
    use_compiler_cache
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)" "$@"
}

# The sanitizers' settings: every error ends the run; leaks are checked at
# exit, with the suppressions for leaks inside Qt and system libraries.
sanitizer_environment() {
    export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=0:strict_init_order=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
}

case "${1:-}" in
run)
    install_missing
    build --target kova
    exec "$BUILD_DIR/bin/kova"
    ;;
test)
    install_missing
    build
    cd "$BUILD_DIR"
    ctest --output-on-failure -j"$(nproc)"
    ;;
bench)
    install_missing
    build
    cmake --build "$BUILD_DIR" --target bench
    ;;
sanitize)
    install_missing
    dir=${KOVA_SANITIZE_DIR:-build-sanitize}
    use_compiler_cache
    # File by file like the normal build: with the precompiled headers this
    # costs little more than unity files, and the compiler cache can keep
    # every file between checkouts.
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DKOVA_SANITIZE=ON -DKOVA_LONG_TESTS=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    sanitizer_environment
    cd "$dir"
    # A program that fails runs once more. The robot's runs on the fake
    # platform are seeded and replay exactly, so a fault of the program fails
    # twice; what passes the second time is a fault that does not come back,
    # such as the leak checker's own tracer crashing at exit (seen once). The
    # first run's output stays in the log.
    ctest --output-on-failure -j"$(nproc)" --repeat until-pass:2
    ;;
package)
    install_missing
    build --target kova kova_packaging_files
    cd "$BUILD_DIR"
    cpack -G DEB
    ;;
robot)
    install_missing
    build --target test_robot
    events=${2:-100000}
    seed=${KOVA_ROBOT_SEED:-$(date +%s)}
    echo "Robot: $events events per exercise, seed $seed"
    cd "$BUILD_DIR"
    export QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C XDG_RUNTIME_DIR="$PWD/runtime"
    export KOVA_ROBOT_SEED=$seed KOVA_ROBOT_EVENTS=$events
    shards=$(nproc)
    pids=()
    for ((i = 0; i < shards; i++)); do
        GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$i \
            bin/test_robot --gtest_filter='Menu/RobotOnExercise.*' >"robot-$i.log" 2>&1 &
        pids+=($!)
    done
    status=0
    for ((i = 0; i < shards; i++)); do
        wait "${pids[$i]}" || status=1
        grep -E '^\[  robot|Failure|replay|KOVA robot|ERROR|PASSED|FAILED' "robot-$i.log" || true
    done
    unset KOVA_ROBOT_EVENTS
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
        bin/test_robot --gtest_filter=RobotTest.RealPlatformUnderXvfb || status=1
    exit $status
    ;;
*)
    echo "usage: $0 run|test|bench|sanitize|package|robot [events]" >&2
    exit 2
    ;;
esac
