#!/usr/bin/env bash
# How fast the deep path draws each equation: one scene per equation and form at a magnification of
# 1e50, 1600 x 1200, "Level Set" ("Chebyshev" of order 5, P3 = 5), beside the classic set at the same depth and iteration limit (a view
# near the Misiurewicz point i). The scenes are the boundary points of the deep exactness tests. Each
# runs REPEATS times (default 1); the best time counts.
#
#   bench/deep_equations.sh [BIN_FOLDER] [SIZE]      (defaults: build/bin, 1600x1200)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
size=${2:-1600x1200}
repeats=${REPEATS:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

near_i_re="0.$(printf '%052d' 0)1234567"
near_i_im="1.$(printf '%052d' 0)2345678"
# name, equation, Julia constant or off, centre, iterations
scenes=(
"Classic Mandlebrot set|Classic Mandlebrot|off|$near_i_re,$near_i_im|3000"
"Pokorny set|Pokorny|off|0.244070794968815596844919699441495465968234593929368753855342,0.854202085447000293066503263806490878600923525092148782013100|3000"
"Pokorny Julia|Pokorny|0.4506,0.9012|0.689051815360477241894100467241608906991911118524946754784455,-0.350493504095179768006057101805682738365704383444955187608323|3000"
"Spiral Symmetry 2 set|Spiral Symmetry 2|off|-0.323810151590289044715617405944734745204742428645937113129254,-0.102350129902888185170502636456652564758439950481190367490291|3000"
"Spiral Symmetry 2 Julia|Spiral Symmetry 2|-0.2,0.05|0.483384517162681986829292722465173442983931324674864024023900,-0.681354507452437056566592814672591983752347895743563377460216|3000"
"Chebyshev set|Chebyshev|off|-0.421842895498157624551158936200432866435219740571898923218322,0.468000091754133473439670120832468820480471141178675054326759|3000"
"Chebyshev Julia|Chebyshev|0.1,-0.2|-0.746782492070944531098191414681334397929421198814192911819496,-1.105305865277894896285261914268680712202797501286846864850302|3000"
"Barnsley 2 set|Barnsley 2|off|-0.770878782209567622719107675621829565079548546199741771712288,0.920072850232630255935503171766621991107177820979544639914594|1500"
"Barnsley 2 Julia|Barnsley 2|0.6,1.1|-0.136159109463090092795170651196432466653369234619705694682898,0.249625034015665199518058648545060587373804326927211703157195|3000"
)

printf '%-24s %9s %11s %12s\n' scene best "peak MB" "ref iters"
for scene in "${scenes[@]}"; do
    IFS='|' read -r name equation julia centre iters <<<"$scene"
    best=""
    for ((i = 0; i < repeats; i++)); do
        /usr/bin/time -f '%e %M' -o "$work/time" "$bin/zenphra-render" --equation "$equation" --julia "$julia" --p3 5 \
            --center "$centre" --magnify 1e50 --iters "$iters" --size "$size" -o "$work/scene.png" \
            2>"$work/note" >/dev/null
        read -r seconds peak <"$work/time"
        if [[ -z $best ]] || awk "BEGIN { exit !($seconds < $best) }"; then best=$seconds; bestPeak=$peak; fi
    done
    length=$(sed -n 's/.*reference orbit of \([0-9]*\) iterations.*/\1/p' "$work/note")
    printf '%-24s %8ss %11d %12s\n' "$name" "$best" $((bestPeak / 1024)) "$length"
done
