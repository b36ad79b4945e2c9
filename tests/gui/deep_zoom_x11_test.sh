#!/usr/bin/env bash
# Deep zoom in the real program under a virtual X server: a deep parameter entry made by zenphra-render
# is pasted with Ctrl+Shift+V and plotted, and the window shows the very pixels the renderer drew; three
# wheel steps at 1e60 move the centre by exactly what the arithmetic gives, to every digit "Copy
# Parameters" puts on the clipboard; Back three times returns to the pasted place exactly.
#   deep_zoom_x11_test.sh PROGRAM_FOLDER SCREENSHOT_FOLDER
set -euo pipefail

program_folder=$1
screenshot_folder=$2
source "$(dirname "$0")/../x11_session.sh"
start_virtual_display ""

re=-1.47981577613247326072298452597877854692240725774045369689878510139864920741002293820250517329282011227363313053159203914640783415609608168660705123082446357179491909705403381200
im=-0.00063911193261361727152139632255671572957303918943984736047394936471220951961813321928573067036466151147195436388486168819318341208023229522609015461543581599807510715681229605
"$program_folder/zenphra-render" -q --center "$re,$im" --magnify 1e60 --iters 10000 --size 320x240 \
    -o "$work/rendered.png"
"$program_folder/zenphra-render" --info "$work/rendered.png" > "$work/entry.prm"
grep -q "^Exact Center Real =$re" "$work/entry.prm" || fail "the entry does not keep the centre in full"

start_explorer "$program_folder" $'[frmFractal]\nEqnType=0\nHorRes=320\nVertRes=240\nMaxIters=10000'
history="$(dirname "$settings")/Zenphra History.prm"
mkdir -p "$screenshot_folder"

# Every plot that ends is written to the history file: its time says that the picture is done.
history_time() { stat -c %y "$history" 2>/dev/null || echo none; }
wait_for_plot() {
    local before=$1
    for _ in $(seq 600); do
        if [ "$(history_time)" != "$before" ]; then sleep 0.3; return 0; fi
        sleep 0.1
    done
    fail "$2 did not finish"
}
clipboard_entry() {
    xdotool key ctrl+shift+c
    sleep 0.5
    xclip -selection clipboard -o
}

echo "--- a deep entry pasted and plotted"
xclip -selection clipboard -i < "$work/entry.prm"
before=$(history_time)
xdotool key ctrl+shift+v
wait_for_plot "$before" "the pasted entry"
import -window "$window" "$screenshot_folder/deep_pasted.png"
echo "screenshot: $screenshot_folder/deep_pasted.png"
# The picture and its frame are what stands out from the window's background between the menu bar and
# the parameter panel.
read -r box_w box_h box_x box_y <<< "$(convert "$screenshot_folder/deep_pasted.png" -crop 530x360+0+24 +repage \
    -trim -format '%w %h %X %Y' info: | tr -d +)"
left=$((box_x + (box_w - 320) / 2))
top=$((24 + box_y + (box_h - 240) / 2))
convert "$screenshot_folder/deep_pasted.png" -crop "320x240+$left+$top" +repage "$work/shown.png"
differing=$(compare -metric AE "$work/rendered.png" "$work/shown.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "the window shows $differing pixels other than the renderer's"

echo "--- three wheel steps at 1e60"
# Picture positions of the steps, and the exact centre they lead to: each step doubles the
# magnification M and keeps the point under the pointer, so the centre moves by the position's
# pixels from the picture's centre, halved, times 3.6 / (M x 320), with 3.6 as the library takes it: the
# double nearest to it.
width=3.600000000000000088817841970012523233890533447265625
expected_re=$re
expected_im=$im
magnify=1000000000000000000000000000000000000000000000000000000000000
for position in "40 30" "250 200" "161 61"; do
    read -r x y <<< "$position"
    before=$(history_time)
    xdotool mousemove --window "$window" $((left + x)) $((top + y))
    sleep 0.2
    xdotool click 4
    wait_for_plot "$before" "the wheel step at $x,$y"
    expected_re=$(echo "scale=400; $expected_re + ($x - 160) / 2 * $width / ($magnify * 320)" | BC_LINE_LENGTH=0 bc)
    expected_im=$(echo "scale=400; $expected_im + (120 - $y) / 2 * $width / ($magnify * 320)" | BC_LINE_LENGTH=0 bc)
    magnify=$(echo "$magnify * 2" | BC_LINE_LENGTH=0 bc)
done
import -window "$window" "$screenshot_folder/deep_wheel.png"
echo "screenshot: $screenshot_folder/deep_wheel.png"
copied=$(clipboard_entry)
grep -q "^Exact Magnification =8e+60" <<< "$copied" || fail "the magnification is not 8e+60: $copied"
# The copied centre agrees with the arithmetic to its last digit, which is rounded.
for part in "Real $expected_re" "Imag $expected_im"; do
    read -r name expected <<< "$part"
    got=$(grep "^Exact Center $name =" <<< "$copied" | tr -d '\r' | cut -d= -f2)
    [ -n "$got" ] || fail "the copied entry has no exact $name part: $copied"
    decimals=$(( ${#got} - $(expr index "$got" .) ))
    within=$(echo "scale=400; d = ($got) - ($expected); if (d < 0) d = -d; d * 10^$decimals <= 0.5" | bc)
    [ "$within" = "1" ] || fail "the $name part $got is not the exact $expected"
done

echo "--- Back to the pasted place"
for step in 1 2 3; do
    before=$(history_time)
    xdotool key alt+Left
    wait_for_plot "$before" "Back step $step"
done
copied=$(clipboard_entry)
for label in "Exact Center Real =" "Exact Center Imag ="; do
    [ "$(grep "^$label" <<< "$copied" | tr -d '\r')" = "$(grep "^$label" "$work/entry.prm" | tr -d '\r')" ] ||
        fail "Back did not return to the pasted $label"
done

close_explorer "$window" "$pid"
