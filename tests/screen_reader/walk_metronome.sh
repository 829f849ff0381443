#!/bin/bash
# A screen reader's walk of the metronome window while it beats, through the
# accessibility bus under Xvfb: prints the window's tree and how long the walk
# took. Needs xvfb-run, dbus-run-session, at-spi2-core and python3-pyatspi.
#   tests/screen_reader/walk_metronome.sh build/bin/kova [beats per minute]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kova=$(realpath "$1")
bpm=${2:-15}
if [[ -z "${WALK_INSIDE:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" \
        dbus-run-session -- env WALK_INSIDE=1 "$0" "$kova" "$bpm"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
HOME=$(mktemp -d) KOVA_DATABASE= "$kova" &
kova_pid=$!
trap 'kill $kova_pid 2>/dev/null || true' EXIT
sleep 3
/usr/bin/python3 "$here/walk_metronome.py" "$bpm"
