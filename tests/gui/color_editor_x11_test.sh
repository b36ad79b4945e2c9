#!/usr/bin/env bash
# The colormap editor over a plotted picture on a virtual X server of its own: a screenshot of each
# editor (two, four and eight ranges) in RGB and in HLS mode is left for a person to look at, and a hue
# triangle dragged with the real pointer holds the pointer on its strip and gives it back at the
# triangle when let go.
#   color_editor_x11_test.sh PROGRAM_FOLDER SCREENSHOT_FOLDER
set -euo pipefail

program_folder=$1
screenshot_folder=$2
source "$(dirname "$0")/../x11_session.sh"
start_virtual_display
export XDG_CONFIG_HOME="$work/config"

preview="$program_folder/color_editor_preview"

echo "--- screenshots"
mkdir -p "$screenshot_folder"
for ranges in 2 4 8; do
    for mode in rgb hls; do
        shot="$screenshot_folder/color_editor${ranges}_$mode.png"
        rm -f "$shot"
        timeout 30 "$preview" "$ranges" "$mode" "$shot" || fail "the $ranges-range editor in $mode mode did not come up"
        [ -s "$shot" ] || fail "no screenshot of the $ranges-range editor in $mode mode"
        echo "screenshot: $shot"
    done
done

# Where the pointer is, as "X Y".
pointer() { xdotool getmouselocation | sed -E 's/^x:([0-9]+) y:([0-9]+).*/\1 \2/'; }

echo "--- dragging the hue triangle"
"$preview" 4 hls > "$work/preview.out" &
pid=$!
pids+=("$pid")
for _ in $(seq 100); do
    if grep -q '^hue-strip' "$work/preview.out"; then break; fi
    sleep 0.1
done
read -r x y < <(awk '/^hue-strip/ { print $2, $3 }' "$work/preview.out")
[ -n "${x:-}" ] || fail "the editor did not say where its hue strip is"
# Box 0 of the four-range colours is red: the hue triangle stands at 0, its middle 5 to the right.
xdotool mousemove $((x + 5)) $((y + 4)) && sleep 0.2
xdotool mousedown 1 && sleep 0.3
[ "$(pointer)" = "$x $((y + 4))" ] || fail "a press did not put the pointer on the triangle: $(pointer)"
xdotool mousemove $((x - 200)) $((y + 4)) && sleep 0.3
[ "$(pointer)" = "$x $((y + 4))" ] || fail "the pointer left the strip on the left: $(pointer)"
xdotool mousemove $((x + 60)) $((y + 4)) && sleep 0.3
xdotool mouseup 1 && sleep 0.3
[ "$(pointer)" = "$((x + 64)) $((y + 4))" ] || fail "the pointer did not come back at the triangle: $(pointer)"
# Position 60 of 180 is a hue of 120 degrees: the red of box 0 (252, 32, 32) turned green.
grep -q '^dropped 119 2161696$' "$work/preview.out" || fail "the drop gave: $(grep dropped "$work/preview.out")"
xdotool key alt+o
for _ in $(seq 50); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then fail "OK did not close the editor"; fi
echo "passed"
