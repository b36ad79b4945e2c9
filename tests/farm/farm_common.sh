# What the render farm tests share: the movie and the poster they make, the same made by one process as
# the reference, and the comparison, byte for byte. Source it after setting
#   renderer   the zenphra-render under test
#   work       a folder of the test's own

movie_options=(--center -0.7453,0.1127 --magnify 180 --iters 300 --size 96x54 --zoom-to 1e5 --turn 30
    --center-to -0.743643887037151,0.13182590420533 --frames 24 -q)
poster_options=(--center -0.7453,0.1127 --magnify 180 --iters 300 --size 256x192 -q)
farm_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts/farm" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The movie and the poster, each made in one process, under $work/single.
make_references() {
    mkdir -p "$work/single"
    "$renderer" "${movie_options[@]}" -o "$work/single/zoom.png" || fail "the movie in one process failed"
    "$renderer" "${poster_options[@]}" -o "$work/single/poster.png" || fail "the poster in one process failed"
}

# The frames NAME-0001.png ... of two folders are the same files, and the first folder holds them all.
expect_same_frames() {
    local folder=$1 reference=$2 frame count=0
    for frame in "$reference"/zoom-*.png; do
        cmp -s "$frame" "$folder/$(basename "$frame")" || fail "$folder/$(basename "$frame") differs from a single process's"
        count=$((count + 1))
    done
    [ "$count" -gt 0 ] || fail "no frames in $reference"
}

expect_same_file() {
    cmp -s "$1" "$2" || fail "$1 is not byte for byte $2"
}
