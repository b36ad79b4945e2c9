#!/usr/bin/env bash
# The real program in a real X session on a virtual X server of its own: Escape stops a row that would take many
# seconds, after which the window closes; a close asked for while plotting is refused with a message
# box; a missing library or a library without the exports ends the program with its message; the image
# browser closed with Escape leaves the picture as it was; and a screenshot of the window after plotting
# the default image is left for a person to look at.
#   explorer_x11_test.sh PROGRAM_FOLDER SCREENSHOT_FOLDER
set -euo pipefail

program_folder=$1
screenshot_folder=$2
source "$(dirname "$0")/../x11_session.sh"
start_virtual_display

# The explorer's title starts with two blanks; message boxes carry the bare program title.
main_window='^  Quorvex-Talmy Fractals Lite$'
message_box='^Quorvex-Talmy Fractals Lite$'

# True when the process has ended within the given seconds; its exit status is then in $status.
wait_for_exit() {
    local pid=$1 tenths=$(($2 * 10))
    for _ in $(seq "$tenths"); do
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

start_program() {
    "$1" &
    pid=$!
    pids+=("$pid")
}

settings_file() { echo "$XDG_CONFIG_HOME/Quorvex_Talmy Fractals Lite/Zenphra.ini"; }

use_fresh_settings() {
    export XDG_CONFIG_HOME="$work/config-$1"
    mkdir -p "$(dirname "$(settings_file)")"
}

echo "--- Escape stops a long row"
use_fresh_settings escape
# A wide Julia set whose every pixel runs to a high limit: a pixel takes milliseconds, a row many seconds.
# Its orbits creep towards their fixed point without repeating exactly, so no shortcut ends them early.
printf '[frmFractal]\nEqnType=100\nJuliaReal=0.25\nJuliaImag=0\nHorRes=1600\nVertRes=1200\nMaxIters=2000000\nPrevRealCenter=0\nTotalMagnify=10\n' \
    > "$(settings_file)"
start_program "$program_folder/Zenphra"
window=$(wait_for_window "$main_window") || fail "the explorer window did not appear"
xdotool windowfocus --sync "$window"
xdotool key alt+p
sleep 1
xdotool key alt+x
box=$(wait_for_window "$message_box") || fail "closing while plotting was not refused"
xdotool windowfocus --sync "$box"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$window"
xdotool key Escape
sleep 0.2
xdotool key alt+x
wait_for_exit "$pid" 5 || fail "the plot did not stop on Escape within 0.2 s"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
grep -q '^MaxIters=2000000$' "$(settings_file)" || fail "the settings were not saved at shut-down"

echo "--- a missing library or export ends the program with a message"
mkdir -p "$work/alone" "$work/wrong"
cp "$program_folder/Zenphra" "$work/alone/"
cp "$program_folder/Zenphra" "$work/wrong/"
# A real shared library without the plotting exports, one without start-up work of its own.
cp "$(ldd "$program_folder/Zenphra" | awk '/libz\.so/ { print $3 }')" "$work/wrong/libZenphra.so"
for folder in alone wrong; do
    start_program "$work/$folder/Zenphra"
    box=$(wait_for_window "$message_box") || fail "no message without a usable library ($folder)"
    if xdotool search --name "$main_window" > /dev/null 2>&1; then fail "the window came up without a library"; fi
    xdotool windowfocus --sync "$box"
    xdotool key Return
    wait_for_exit "$pid" 5 || fail "the program did not end after its message ($folder)"
    [ "$status" -ne 0 ] || fail "the program ended with success without a library ($folder)"
done

echo "--- Escape in the image browser loads nothing"
use_fresh_settings browser
start_program "$program_folder/Zenphra"
window=$(wait_for_window "$main_window") || fail "the explorer window did not appear"
xdotool windowfocus --sync "$window"
xdotool key alt+p
sleep 2
import -window "$window" "$work/before-browser.png"
xdotool key alt+l
browser=$(wait_for_window 'Load Quorvex-Talmy Fractals Lite Image File') || fail "the image browser did not appear"
sleep 1  # the first image of the folder is selected and previewed
xdotool windowfocus --sync "$browser"
xdotool key Escape
sleep 1
if xdotool search --onlyvisible --name 'Load Quorvex-Talmy Fractals Lite Image File' > /dev/null 2>&1; then
    fail "Escape did not close the image browser"
fi
import -window "$window" "$work/after-browser.png"
[ "$(xdotool getwindowname "$window")" = "  Quorvex-Talmy Fractals Lite" ] || fail "Escape loaded an image: $(xdotool getwindowname "$window")"
# The picture's side of the window (the focus may come back to another button).
changed=$(compare -metric AE "$work/before-browser.png[540x440+0+0]" "$work/after-browser.png[540x440+0+0]" null: 2>&1) || true
[ "$changed" = 0 ] || fail "the picture changed behind the browser closed with Escape ($changed pixels)"
xdotool windowfocus --sync "$window"
xdotool key alt+x
wait_for_exit "$pid" 5 || fail "the window did not close after the browser"

echo "--- screenshot of the default image"
use_fresh_settings screenshot
start_program "$program_folder/Zenphra"
window=$(wait_for_window "$main_window") || fail "the explorer window did not appear"
xdotool windowfocus --sync "$window"
xdotool key alt+p
sleep 2
mkdir -p "$screenshot_folder"
import -window "$window" "$screenshot_folder/explorer_default.png"
xdotool key alt+x
wait_for_exit "$pid" 5 || fail "the window did not close after the default image"
[ "$(identify -format '%w' "$screenshot_folder/explorer_default.png")" -eq 800 ] || fail "the window is not 800 pixels wide"
echo "screenshot: $screenshot_folder/explorer_default.png"
