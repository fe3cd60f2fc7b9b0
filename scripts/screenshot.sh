#!/bin/sh
# Takes docs/screenshot.png: dorvan under Xvfb with a window manager, on an
# example document, after an edit and a run, with the branch table, the
# results table and the graph where the program places them. Installs the
# X tools it needs when missing.
set -e
cd "$(dirname "$0")/.."
for p in xvfb openbox xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
fi
[ -x build/app/dorvan ] || { ./scripts/install-deps.sh; cmake -S . -B build -G Ninja >/dev/null; cmake --build build --target dorvan; }
OUT=${1:-docs/screenshot.png}
export DISPLAY=:73
Xvfb :73 -screen 0 1440x900x24 >/dev/null 2>&1 &
XVFB=$!
trap 'kill $XVFB 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
WM=$!
sleep 1
SETTINGS=$(mktemp -d)
XDG_CONFIG_HOME=$SETTINGS build/app/dorvan examples/hot-decline.zt2 >/dev/null 2>&1 &
APP=$!
sleep 4
xdotool key Return               # the about box
sleep 0.5
xdotool key Tab
xdotool type "33.5"              # the intake dry bulb
xdotool key Return
sleep 0.3
xdotool key F10                  # Execute: the results table opens beside the branch table
sleep 2.5
xdotool key alt+v g              # View > Graphs, below the results
sleep 2.5
import -window root "$OUT"
kill $APP
kill $WM 2>/dev/null || true
rm -rf "$SETTINGS"
echo "$OUT"
