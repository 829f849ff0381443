#!/usr/bin/env bash
# KOVA's set-up, build, run and test entry point.
#   ./dev.sh run    install what is missing, build, start KOVA
#   ./dev.sh test   install what is missing, build, run every test headless
#   ./dev.sh bench  install what is missing, build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ qt6-base-dev qt6-multimedia-dev libgtest-dev libgmock-dev
          libgl-dev fonts-liberation xvfb xauth)
BUILD_DIR=${KOVA_BUILD_DIR:-build}

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
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)" "$@"
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
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
