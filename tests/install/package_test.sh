#!/usr/bin/env bash
# Makes the Debian package from the build, checks it with lintian, installs it into this machine with
# apt-get as a user does, and uses what it installed: the renderer on the path, and the explorer under a
# virtual X server with a fresh home, saving an image into the user's own folder. Then it removes the
# package and checks that no file of it is left. Installing needs root: without it the test is skipped.
# Whatever happens, the package it installed is removed again.
#   package_test.sh BUILD_DIR VERSION SCREENSHOT_FOLDER
set -euo pipefail

build_dir=$1
version=$2
screenshot_folder=$3
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: installing the package into this machine needs root"
    exit 77
fi
source "$(dirname "$0")/../x11_session.sh"
for tool in cpack lintian dpkg-shlibdeps apt-get Xvfb xdotool import identify; do
    command -v "$tool" > /dev/null || fail "$tool is missing: scripts/setup.sh installs it"
done

# One package test at a time on a machine: every build tree on it installs into the same /usr.
mkdir -p /run/lock
exec 9> /run/lock/zenphra-package-test
flock -w 120 9 || fail "another package test kept the machine for two minutes"
[ -z "$(dpkg-query -W -f='${db:Status-Abbrev}' zenphra 2>/dev/null)" ] ||
    fail "zenphra is installed on this machine already; remove it (apt-get purge zenphra) so that the test installs and removes its own"

installed=false
remove_package() {
    if $installed; then
        echo "--- removing the package"
        apt-get -o DPkg::Lock::Timeout=60 remove -y -q zenphra > "$work/remove.log" 2>&1 ||
            { cat "$work/remove.log" >&2; dpkg --purge zenphra; }
        installed=false
    fi
}
trap 'remove_package; cleanup' EXIT
trap 'exit 1' INT TERM HUP
# apt reads the package file as its own unprivileged user, lintian runs as nobody.
chmod 755 "$work"

echo "--- the package"
timeout 120 cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb="$work/package/zenphra_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/package")"
chmod 755 "$work/package"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zenphra ] && [ "$(field Version)" = "$version" ] && [ "$(field Section)" = graphics ] ||
    fail "the package is $(field Package) $(field Version) in $(field Section)"
[ "$(field Description | wc -l)" -gt 3 ] || fail "the package has no long description"
dpkg-deb -x "$deb" "$work/tree"
gzip -dc "$work/tree/usr/share/doc/zenphra/changelog.gz" | head -n 1 | grep -qF "zenphra ($version)" ||
    fail "packaging/changelog has no entry for version $version"

# Every library a binary of the package needs comes from a package it depends on. The loader finds the
# library; dpkg knows its file by that path or by its other name across the merged /usr.
depends=" $(field Depends | sed 's/ ([^)]*)//g; s/,/ /g') "
owner_of() {
    local alias=/usr$1
    [[ "$1" == /usr/* ]] && alias=${1#/usr}
    { dpkg -S "$1" 2>/dev/null || dpkg -S "$alias" 2>/dev/null; } | sed 's/[:,].*//' | head -n 1
}
while IFS= read -r elf; do
    for library in $(readelf -d "$elf" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        path=$(ldd "$elf" | awk -v name="$library" '$1 == name { print $3 }')
        owner=$(owner_of "$path")
        [ -n "$owner" ] || fail "no package holds $library ($path), which ${elf#"$work/tree"} needs"
        [[ "$depends" == *" $owner "* ]] || fail "${elf#"$work/tree"} needs $library of $owner, which is not in Depends:$depends"
    done
done < <(find "$work/tree" -type f -exec sh -c 'file -b "$1" | grep -q "^ELF"' sh {} \; -print)

echo "--- lintian"
runuser -u nobody -- timeout 120 lintian --fail-on error,warning "$deb" || fail "lintian refuses the package"

echo "--- apt-get install"
# The package's files that were on the machine before it: only those may be there after removal.
mapfile -t shipped < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/$')
for path in "${shipped[@]}"; do
    if [ -e "$path" ] || [ -L "$path" ]; then echo "$path"; fi
done > "$work/there-before.txt"
installed=true
timeout 180 apt-get -o DPkg::Lock::Timeout=60 install -y -q "$deb" > "$work/install.log" 2>&1 ||
    fail "apt-get install failed: $(cat "$work/install.log")"
dpkg -L zenphra | grep -v '^/\.$' > "$work/files.txt"
for path in /usr/bin/zenphra /usr/bin/zenphra-render /usr/lib/zenphra/Zenphra /usr/lib/zenphra/libZenphra.so \
    /usr/share/applications/zenphra.desktop /usr/share/icons/hicolor/256x256/apps/zenphra.png \
    /usr/share/man/man1/zenphra.1.gz /usr/share/man/man1/zenphra-render.1.gz /usr/share/doc/zenphra/copyright; do
    grep -qxF "$path" "$work/files.txt" && [ -e "$path" ] || fail "the package did not install $path"
done
grep -qxF 'Exec="/usr/lib/zenphra/Zenphra"' /usr/share/applications/zenphra.desktop ||
    fail "the desktop entry does not start the installed program"

echo "--- the renderer on the path"
cd "$work"
timeout 60 /usr/bin/zenphra-render -q --size 64x48 -o "$work/render.png" || fail "the installed renderer failed"
[ "$(identify -format '%wx%h' "$work/render.png")" = 64x48 ] || fail "the installed renderer made no image"

echo "--- the explorer with a fresh home, saving an image there"
home="$work/home"
mkdir "$home"
start_virtual_display
HOME="$home" env -u XDG_CONFIG_HOME -u XDG_DATA_HOME /usr/bin/zenphra &
program=$!
pids+=("$program")
window=$(wait_for_window '^  Quorvex-Talmy Fractals Lite$') || fail "the installed explorer showed no window"
xdotool windowfocus --sync "$window"
sleep 0.5
mkdir -p "$screenshot_folder"
import -window "$window" "$screenshot_folder/package_first_window.png"
xdotool key alt+p
sleep 1
xdotool key alt+s
dialog=$(wait_for_window '^Save Fractal Image File$') || fail "Save Image File showed no dialog"
xdotool windowfocus --sync "$dialog"
sleep 0.5
import -window "$dialog" "$screenshot_folder/package_save_dialog.png"
xdotool type --delay 20 mine
xdotool key Return
saved="$home/Pictures/Zenphra/mine.png"
for _ in $(seq 50); do
    if [ -s "$saved" ]; then break; fi
    sleep 0.1
done
[ -s "$saved" ] || fail "the save dialog did not start in ~/Pictures/Zenphra: $(cd "$home" && find . -name '*.png')"
[ "$(identify -format '%wx%h' "$saved")" = 160x120 ] || fail "the saved image is not the first run's 160 x 120"
close_explorer "$window" "$program"
[ -f "$home/.config/Quorvex_Talmy Fractals Lite/Zenphra.ini" ] || fail "the settings were not saved in the fresh home"

remove_package
[ -z "$(dpkg-query -W -f='${db:Status-Abbrev}' zenphra 2>/dev/null)" ] || fail "zenphra is still known to dpkg after its removal"
left=()
while IFS= read -r path; do
    if { [ -e "$path" ] || [ -L "$path" ]; } && ! grep -qxF "$path" "$work/there-before.txt"; then left+=("$path"); fi
done < "$work/files.txt"
[ ${#left[@]} -eq 0 ] || fail "the removal left ${left[*]}"
echo "installed, used and removed without a trace in $SECONDS s; screenshots: $screenshot_folder/package_first_window.png, package_save_dialog.png"
