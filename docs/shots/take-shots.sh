#!/bin/sh
# Takes the pictures of docs/user-guide.md: dorvan under Xvfb with openbox,
# driven by xdotool, each window captured with ImageMagick's import and made
# small. Run from anywhere, after `cmake --build build --target dorvan`:
#     docs/shots/take-shots.sh [build folder]
set -e
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
OUT=docs/shots
APP_BIN=$BUILD/app/dorvan
[ -x "$APP_BIN" ] || { echo "no $APP_BIN: build the target dorvan first" >&2; exit 1; }
for tool in Xvfb openbox xdotool import convert; do
    command -v $tool >/dev/null || { echo "needs $tool (xvfb, openbox, xdotool, imagemagick)" >&2; exit 1; }
done

export DISPLAY=:81
Xvfb :81 -screen 0 1280x800x24 >/dev/null 2>&1 &
XVFB=$!
HOME_DIR=$(mktemp -d)
APP=""
WM=""
cleanup() {
    [ -n "$APP" ] && kill "$APP" 2>/dev/null || true
    [ -n "$WM" ] && kill "$WM" 2>/dev/null || true
    kill "$XVFB" 2>/dev/null || true
    rm -rf "$HOME_DIR"
}
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &
WM=$!
sleep 1

# start FILE: the program on an example, with settings, recovery copies and
# recent files of this run only, past its about box.
start() {
    XDG_CONFIG_HOME=$HOME_DIR/config XDG_DATA_HOME=$HOME_DIR/data "$APP_BIN" "$1" >/dev/null 2>&1 &
    APP=$!
    sleep 4
    key Return
}
stop() {
    kill "$APP" 2>/dev/null || true
    wait "$APP" 2>/dev/null || true
    APP=""
    rm -rf "$HOME_DIR/data"
}

# shot NAME [WIDTH]: the active window with its frame, scaled to at most
# WIDTH pixels, in 192 colours.
shot() {
    win=$(xdotool getactivewindow)
    import -frame -window "$win" "$HOME_DIR/raw.png"
    convert "$HOME_DIR/raw.png" -resize "${2:-1000}x>" -strip -colors 192 "PNG8:$OUT/$1.png"
    echo "$OUT/$1.png $(stat -c %s "$OUT/$1.png") bytes"
}
key() { xdotool key --delay 80 "$@"; sleep 0.6; }

start examples/five-branch-sequence.zt2
key alt+w t                         # Window > Tile: the one table fills the window
shot branch-table 1000

key alt+v c                         # View > Columns...
shot columns-dialog 600
key Escape

key alt+f u                         # File > Page Setup...
shot page-setup-dialog 500
key Escape

key F9                              # Branch > Properties... of the first branch
if xdotool getactivewindow getwindowname | grep -q "Branch Properties"; then
    key ctrl+Tab                    # its Airway page
    shot branch-properties 600
    key Escape
fi

key Tab                             # Name -> Dry Bulb of the first branch
xdotool type --delay 60 "15"        # below its wet bulb
key Return
key F10                             # refused: Data Errors
sleep 1
shot data-errors 600
key Return
stop

start examples/hot-decline.zt2
key F10                             # Execute: the results open beside the table
sleep 3
key alt+v r                         # View > Results Table: to the front
shot results-table 1000

key F1                              # the help window, at the results table's page
sleep 1.5
help=$(xdotool search --name "Help - " 2>/dev/null | head -1 || true)
if [ -n "$help" ]; then
    xdotool windowactivate --sync "$help" 2>/dev/null || true
    sleep 0.5
    shot help-window 900
else
    echo "F1 opened no help window: no help-window.png" >&2
fi
stop

# The graph view of a run, then its Graph Properties giving WBGT the
# right-hand axis. The clicks are at their places on the 1280 x 800 screen
# with openbox: the graph window's maximise button, then WBGT's Show Plot
# box and Right Axis button.
start examples/hot-decline.zt2
key F10                             # Execute
sleep 3
key alt+v g                         # View > Graphs
key alt+w t                         # Window > Tile: the graph on the left
xdotool mousemove 605 128 click 1   # maximised
sleep 0.8
key alt+g p                         # Graph > Presentation...
sleep 0.6
xdotool mousemove 520 517 click 1   # Show Plot of WBGT
sleep 0.3
xdotool mousemove 1013 517 click 1  # its Right Axis
sleep 0.3
shot graph-properties 700
key Return
sleep 1
xdotool mousemove 700 400           # the pointer's read-out in the status bar
sleep 1
shot graph-view 1000
stop
cp "$OUT/graph-view.png" "$OUT/graph-properties.png" help/pages/
