#!/usr/bin/env bash
# The real program in a real X session on a virtual X server of its own: Escape stops a row that would take many
# seconds, after which the window closes; a close asked for while plotting is refused with a message
# box; a missing library or a library without the exports ends the program with its message; the image
# browser closed with Escape, its close button or Alt+F4 leaves the picture as it was; and screenshots of
# that and of the window after plotting the default image are left for a person to look at.
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

# Starts the explorer and plots its first image; $window is the explorer's window.
start_and_plot() {
    start_program "$program_folder/Zenphra"
    window=$(wait_for_window "$main_window") || fail "the explorer window did not appear"
    xdotool windowfocus --sync "$window"
    xdotool key alt+p
    sleep 2
    mkdir -p "$screenshot_folder"
}

echo "--- the image browser closed with Escape, its close button or Alt+F4 loads nothing"
# The close button and Alt+F4 belong to a window manager: openbox, with its stock settings, for this part.
XDG_CONFIG_HOME="$work/window-manager" openbox > "$work/openbox.log" 2>&1 &
window_manager=$!
pids+=("$window_manager")
# A window mapped before the window manager runs keeps its place and gets its frame off the screen.
for _ in $(seq 50); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then break; fi
    sleep 0.1
done
use_fresh_settings browser
printf '[frmFractal]\nEqnType=0\nHorRes=640\nVertRes=480\nMaxIters=200\n' > "$(settings_file)"
start_and_plot
import -window root "$screenshot_folder/browser_0_plotted.png"
browser_title='Load Quorvex-Talmy Fractals Lite Image File'
for how in escape close-button alt-f4; do
    xdotool windowfocus --sync "$window"
    xdotool key alt+l
    browser=$(wait_for_window "$browser_title") || fail "the image browser did not appear"
    sleep 1  # the first image of the folder is selected and previewed
    [ "$how" = escape ] && import -window root "$screenshot_folder/browser_1_open.png"
    xdotool windowfocus --sync "$browser"
    case $how in
        escape) xdotool key Escape ;;
        alt-f4) xdotool key alt+F4 ;;
        close-button)
            # The rightmost button of the title bar, which lies above the window's own area.
            left=$(xwininfo -id "$browser" | awk '/Absolute upper-left X/ { print $4 }')
            top=$(xwininfo -id "$browser" | awk '/Absolute upper-left Y/ { print $4 }')
            width=$(xwininfo -id "$browser" | awk '/Width:/ { print $2 }')
            title_bar=$(xprop -id "$browser" _NET_FRAME_EXTENTS | awk -F', ' '{ print $3 }')
            xdotool mousemove $((left + width - title_bar / 2)) $((top - title_bar / 2)) click 1
            ;;
    esac
    sleep 1
    if xdotool search --onlyvisible --name "$browser_title" > /dev/null 2>&1; then
        fail "the image browser stayed open after $how"
    fi
    import -window root "$screenshot_folder/browser_2_after_$how.png"
    [ "$(xdotool getwindowname "$window")" = "  Quorvex-Talmy Fractals Lite" ] ||
        fail "$how loaded an image: $(xdotool getwindowname "$window")"
    # The picture and the panel; the focus is back on "Load Image File", not on the "Plot" of the first shot.
    for area in 540x440+0+20 250x420+540+350; do
        changed=$(compare -metric AE "$screenshot_folder/browser_0_plotted.png[$area]" \
            "$screenshot_folder/browser_2_after_$how.png[$area]" null: 2>&1) || true
        [ "$changed" = 0 ] || fail "the window changed behind the browser closed with $how ($changed pixels in $area)"
    done
done
xdotool windowfocus --sync "$window"
xdotool key alt+x
wait_for_exit "$pid" 5 || fail "the window did not close after the browser"
kill "$window_manager"
echo "screenshots: $screenshot_folder/browser_*.png"

echo "--- screenshot of the default image"
use_fresh_settings screenshot
start_and_plot
import -window "$window" "$screenshot_folder/explorer_default.png"
xdotool key alt+x
wait_for_exit "$pid" 5 || fail "the window did not close after the default image"
[ "$(identify -format '%w' "$screenshot_folder/explorer_default.png")" -eq 800 ] || fail "the window is not 800 pixels wide"
echo "screenshot: $screenshot_folder/explorer_default.png"
