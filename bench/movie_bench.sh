#!/usr/bin/env bash
# How fast zoom movies come: 120 frames at 640 x 360 into the seahorse valley, made by one zenphra-render
# process (--frames), beside the same frames made by one process each (--from a frame of the movie, which
# renders that frame anew from its parameters). Every frame made the second way must be byte-identical to
# the movie's. Each way runs REPEATS times (default 3); the best time counts, as the machine is shared.
#
#   bench/movie_bench.sh [BIN_FOLDER]      (default: build/bin)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
repeats=${REPEATS:-3}
frames=120
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

movie=(--prm "$root/docs/examples.prm" --entry "Seahorse Valley" --size 640x360
       --zoom-to 100000 --center-to -0.743643887037151,0.13182590420533 --frames "$frames" -q)

now() { date +%s.%N; }
best() { sort -g | head -n 1; }
calc() { awk "BEGIN { print $1 }"; }

movie_once() {
    rm -rf "$work/movie" && mkdir "$work/movie"
    local start end
    start=$(now)
    "$bin/zenphra-render" "${movie[@]}" -o "$work/movie/zoom.png"
    end=$(now)
    calc "$end - $start"
}

processes_once() {
    rm -rf "$work/single" && mkdir "$work/single"
    local start end frame
    start=$(now)
    for frame in "$work"/movie/zoom-*.png; do
        "$bin/zenphra-render" --from "$frame" -q -o "$work/single/$(basename "$frame")"
    done
    end=$(now)
    calc "$end - $start"
}

movie_seconds=$(for _ in $(seq "$repeats"); do movie_once; done | best)
process_seconds=$(for _ in $(seq "$repeats"); do processes_once; done | best)

for frame in "$work"/movie/zoom-*.png; do
    cmp -s "$frame" "$work/single/$(basename "$frame")" || { echo "$(basename "$frame") differs" >&2; exit 1; }
done

printf '%d frames at 640 x 360 into the seahorse valley, best of %d\n' "$frames" "$repeats"
printf '%-28s %9s %12s\n' "way" "seconds" "frames/s"
printf '%-28s %9.2f %12.1f\n' "one process, --frames" "$movie_seconds" "$(calc "$frames / $movie_seconds")"
printf '%-28s %9.2f %12.1f\n' "one process per frame" "$process_seconds" "$(calc "$frames / $process_seconds")"
printf 'speed-up %.2fx; every frame byte-identical\n' "$(calc "$process_seconds / $movie_seconds")"
