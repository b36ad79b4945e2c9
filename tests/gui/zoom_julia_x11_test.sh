#!/usr/bin/env bash
# The zoom box and the Julia pick in the real program under a virtual X server, driven with real keys
# and pointer moves: the box is sized by dragging its handle, turned by 30 degrees with Shift+Left and
# applied with Enter; a Julia constant is picked with the live preview and taken with Enter, and the
# window is closed. Screenshots of each step are left for a person to look at.
#   zoom_julia_x11_test.sh PROGRAM_FOLDER SCREENSHOT_FOLDER [DISPLAY_NUMBER]
# Without a display number the server picks a free one itself.
set -euo pipefail

program_folder=$1
screenshot_folder=$2
display_number=${3:-}
source "$(dirname "$0")/../x11_session.sh"
start_virtual_display "$display_number"

start_explorer "$program_folder" $'[frmFractal]\nEqnType=0\nHorRes=320\nVertRes=240\nMaxIters=200\nPrevRealCenter=-0.75\nPrevImagCenter=0.1\nTotalMagnify=2.5'
mkdir -p "$screenshot_folder"
shot() {
    import -window "$window" "$screenshot_folder/$1.png"
    echo "screenshot: $screenshot_folder/$1.png"
}

echo "--- the zoom box, sized with the mouse and turned by 30 degrees"
xdotool key alt+p
sleep 1.5
xdotool key alt+z
sleep 0.3
# The 320 x 240 picture is centred on (270, 199) in the window: the box's size handle, the middle of its
# bottom edge, is 60 pixels below that. Two moves down grow the box from 0.50 to 0.54.
xdotool mousemove --window "$window" 270 259
sleep 0.2
xdotool mousedown 1
xdotool mousemove --window "$window" 270 263
sleep 0.1
xdotool mousemove --window "$window" 270 267
sleep 0.2
shot zoom_box_sizing
xdotool mouseup 1
sleep 0.2
for _ in $(seq 30); do xdotool key shift+Left; done
sleep 0.3
shot zoom_box_turned
xdotool key Return
sleep 1.5
shot zoom_applied

echo "--- the Julia preview while picking"
xdotool key alt+j
sleep 0.3
# The picture is centred on (270, 199) in the window; a point left of and above its centre.
xdotool mousemove --window "$window" 230 170
sleep 0.5
shot julia_pick
xdotool key Return
sleep 1.5
shot julia_set

xdotool key alt+x
for _ in $(seq 50); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then fail "the window did not close"; fi
wait "$pid" || fail "the program ended with status $?"
grep -q '^TotalAngleDeg=0' "$settings" || fail "the Julia set was not left unturned"
grep -q '^EqnType=100' "$settings" || fail "the Julia switch was not taken"
