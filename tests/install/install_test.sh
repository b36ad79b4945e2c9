#!/usr/bin/env bash
# Installs the build into a prefix of its own, as a user without root does, and checks what a user gets:
# one program folder with the program, its versioned library, the renderer, the tutorial and the three
# shipped folders; links to the explorer and the renderer on the path, the renderer working through its
# own; a desktop entry that starts the installed program; the icon in every size; the manual pages. The
# installed renderer then renders every shipped parameter entry and makes every shipped image again from
# its own parameters, pixel for pixel, and the installed program comes up under a virtual X server with a
# fresh settings store.
#   install_test.sh SOURCE_DIR BUILD_DIR PROGRAM_DIR BIN_DIR DATA_DIR MAN_DIR
# (the last four relative to the prefix, as the build installs them)
set -euo pipefail

source_dir=$1
build_dir=$2
source "$(dirname "$0")/../x11_session.sh"
# A blank in the prefix: the desktop entry must quote the program's path.
prefix="$work/my prefix"
program_folder="$prefix/$3"
bin_folder="$prefix/$4"
data_folder="$prefix/$5"
man_folder="$prefix/$6"

echo "--- install"
cmake --install "$build_dir" --prefix "$prefix" --strip > "$work/install.log" 2>&1 ||
    fail "the install failed: $(cat "$work/install.log")"

echo "--- the program folder"
for program in Zenphra zenphra-render; do
    [ -x "$program_folder/$program" ] || fail "$program is not installed in the program folder"
done
[ "$(readlink "$program_folder/libZenphra.so")" = libZenphra.so.1 ] || fail "libZenphra.so does not link to libZenphra.so.1"
[ "$(readlink "$program_folder/libZenphra.so.1")" = libZenphra.so.1.0.0 ] || fail "libZenphra.so.1 does not link to the versioned file"
readelf -d "$program_folder/libZenphra.so.1.0.0" | grep -q 'Library soname: \[libZenphra.so.1\]' ||
    fail "the library does not carry the soname libZenphra.so.1"
cmp -s "$source_dir/app/shell/Tutorial.txt" "$program_folder/Tutorial.txt" || fail "Tutorial.txt is not installed"
for folder in Images Parameters Colormaps; do
    [ -n "$(ls -A "$program_folder/$folder")" ] || fail "the folder $folder is empty"
    diff -r "$source_dir/data/$folder" "$program_folder/$folder" > /dev/null || fail "the folder $folder differs from data/$folder"
done

echo "--- the renderer through its link on the path"
for link in zenphra:Zenphra zenphra-render:zenphra-render; do
    [ -L "$bin_folder/${link%%:*}" ] && [ "$(readlink -f "$bin_folder/${link%%:*}")" = "$(readlink -f "$program_folder/${link#*:}")" ] ||
        fail "no link $bin_folder/${link%%:*} to ${link#*:}"
done
export PATH="$bin_folder:$PATH"
cd "$work"
zenphra-render --version > /dev/null || fail "the renderer does not start through its link"

echo "--- the desktop entry, its icon and the manual pages"
desktop="$data_folder/applications/zenphra.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the entry"
grep -qxF "Exec=\"$program_folder/Zenphra\"" "$desktop" || fail "the entry does not start the installed program: $(grep ^Exec "$desktop")"
grep -qx 'Icon=zenphra' "$desktop" || fail "the entry names another icon"
for size in 48 128 256; do
    icon="$data_folder/icons/hicolor/${size}x${size}/apps/zenphra.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "no ${size}x${size} icon"
done
for page in zenphra zenphra-render; do
    gzip -dc "$man_folder/man1/$page.1.gz" | cmp -s "$source_dir/docs/$page.1" - || fail "the manual page $page.1 is not installed"
done
# What only the Debian package carries stays out of an installation of the user's own.
[ ! -e "$data_folder/doc/zenphra" ] || fail "the package's copyright and changelog were installed"

echo "--- every shipped parameter entry renders"
for prm in "$program_folder"/Parameters/*.prm; do
    mapfile -t entries < <(zenphra-render --list "$prm")
    [ ${#entries[@]} -gt 0 ] || fail "$prm has no entries"
    for entry in "${entries[@]}"; do
        zenphra-render -q --prm "$prm" --entry "$entry" --size 64x48 -o "$work/entry.png" ||
            fail "the entry \"$entry\" of $prm does not render"
        [ "$(identify -format '%wx%h' "$work/entry.png")" = 64x48 ] || fail "the entry \"$entry\" made no image"
    done
    echo "${#entries[@]} entries of $(basename "$prm") rendered"
done

echo "--- every shipped image is what the renderer makes of its parameters"
for image in "$program_folder"/Images/*.png; do
    zenphra-render -q --from "$image" -o "$work/again.png" || fail "$image does not render again"
    differing=$(compare -metric AE "$image" "$work/again.png" null: 2>&1) || true
    [ "$differing" = 0 ] || fail "$(basename "$image") differs from its new render in $differing pixels"
done

echo "--- the installed program starts with a fresh settings store"
start_virtual_display
export XDG_CONFIG_HOME="$work/config"
"$program_folder/Zenphra" &
program=$!
pids+=("$program")
window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^  Quorvex-Talmy Fractals Lite$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the installed program showed no window"
xprop -id "$window" -notype 32c _NET_WM_ICON > "$work/icon.txt"
grep -q '^_NET_WM_ICON = 256, 256,' "$work/icon.txt" || fail "the window has not the program's icon"
close_explorer "$window" "$program"
[ -f "$XDG_CONFIG_HOME/Quorvex_Talmy Fractals Lite/Zenphra.ini" ] || fail "the settings were not saved"
echo "the installed tree is complete"
