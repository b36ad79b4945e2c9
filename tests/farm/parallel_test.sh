#!/usr/bin/env bash
# The render farm scripts for GNU Parallel on this machine (-S :): a movie of a job a chunk of frames and
# a poster of a job a strip give the very files one process makes, and a job that failed is the only one
# the same command runs again.
#   parallel_test.sh RENDERER
set -euo pipefail

renderer=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/farm_common.sh"
command -v parallel > /dev/null || fail "GNU Parallel is not installed (scripts/setup.sh installs it)"
export ZENPHRA_RENDER=$renderer
make_references
# Each farm run gets two minutes, a tenfold margin: a run that hangs fails the test instead of holding it.
in_time() { timeout --kill-after=10 120 "$@"; }

echo "--- a movie, 6 jobs of 4 frames, 2 at a time"
mkdir "$work/movie"
in_time "$farm_scripts/parallel-movie.sh" -S : -j 2 --chunk 4 -- "${movie_options[@]}" -o "$work/movie/zoom.png" ||
    fail "parallel-movie.sh failed"
expect_same_frames "$work/movie" "$work/single"
[ "$(tail -n +2 "$work/movie/zoom.frames.joblog" | wc -l)" -eq 6 ] || fail "the movie did not take 6 jobs"

echo "--- a poster of 4 strips, one job failing the first time"
mkdir "$work/poster"
# A renderer that fails strip 3 once, as a machine that went away would.
cat > "$work/flaky-render" <<FLAKY
#!/usr/bin/env bash
if [[ " \$* " == *" --strip 3/4 "* ]] && rm "$work/fail-once" 2> /dev/null; then exit 2; fi
exec "$renderer" "\$@"
FLAKY
chmod +x "$work/flaky-render"
touch "$work/fail-once"
poster=(in_time "$farm_scripts/parallel-poster.sh" -S : -j 2 --strips 4 -- "${poster_options[@]}" -o "$work/poster/poster.png")
if ZENPHRA_RENDER="$work/flaky-render" "${poster[@]}"; then fail "a failed job did not fail the poster"; fi
[ ! -e "$work/poster/poster.png" ] || fail "the poster was joined without all its strips"
ZENPHRA_RENDER="$work/flaky-render" "${poster[@]}" || fail "the poster run again failed"
expect_same_file "$work/poster/poster.png" "$work/single/poster.png"
log=$work/poster/poster.strips.joblog
jobs_run=$(tail -n +2 "$log" | cut -f1 | sort -n | tr '\n' ' ')
[ "$jobs_run" = "1 2 3 3 4 " ] || fail "the jobs run were $jobs_run, not strip 3 again and the others once"

echo "parallel test passed"
