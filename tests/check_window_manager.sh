#!/bin/sh
# Runs check_window_manager (given as $1) on a virtual X server with the
# openbox window manager. Exits 77 (skipped) when either is not installed.
set -u
program=$1
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
    echo "skipped: Xvfb or openbox is not installed"
    exit 77
fi
work=$(mktemp -d)
chmod 700 "$work"
# Xvfb picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
tries=0
while [ ! -s "$work/display" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" "$program"
result=$?
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
rm -rf "$work"
exit $result
