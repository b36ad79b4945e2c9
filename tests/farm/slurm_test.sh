#!/usr/bin/env bash
# The render farm scripts for Slurm on a one-node cluster that the test starts on this machine (as root)
# and stops again at its end, pass or fail: a movie of an array job of frame chunks with a job that waits
# for it to make the video, and a poster of an array job of strips with a job that joins them, give the
# very files one process makes; a task stopped with scancel mid-frame and the array submitted again give
# them too; and a task with a bad option makes sbatch --wait fail.
#   slurm_test.sh RENDERER
# Exits 77, for skipped, when not run as root.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: starting a Slurm cluster needs root"
    exit 77
fi
renderer=$1
work=$(mktemp -d)
source "$(dirname "$0")/farm_common.sh"
source "$(dirname "$0")/slurm_cluster.sh"
trap 'stop_cluster; rm -rf "$work"' EXIT
# Everything that waits for the cluster waits no longer than the test has left: it ends, and stops its
# cluster, well before CTest's limit of 300 seconds would kill it.
deadline=$((SECONDS + 240))
in_time() {
    local left=$((deadline - SECONDS))
    [ "$left" -gt 0 ] || left=1
    timeout "$left" "$@"
}
for program in munged slurmctld slurmd sbatch; do
    command -v "$program" > /dev/null || fail "$program is not installed (scripts/setup.sh installs it)"
done
export ZENPHRA_RENDER=$renderer

echo "--- a one-node cluster ($SECONDS s)"
start_cluster "$work/cluster" || fail "the cluster did not start"
mkdir "$work/logs"
make_references

# Submits and waits until the job has ended; its log files are work/logs/NAME-TASK.out.
submit() {
    local name=$1
    shift
    local status=0
    in_time sbatch --quiet --wait --job-name="$name" --output="$work/logs/$name-%a.out" "$@" || status=$?
    [ "$status" -ne 124 ] || echo "the $name job did not end within the test's time" >&2
    return "$status"
}

echo "--- a movie: 6 tasks of 4 frames, 2 at a time, then the video ($SECONDS s)"
mkdir "$work/movie"
# An ffmpeg that keeps what it is given, so that the video job can be seen to get every frame.
mkdir "$work/bin"
cat > "$work/bin/ffmpeg" <<'FFMPEG'
#!/bin/sh
for last; do :; done
cat > "$last"
FFMPEG
chmod +x "$work/bin/ffmpeg"
movie=("${movie_options[@]}" --video "$work/movie/zoom.mp4" -o "$work/movie/zoom.png")
frames_job=$(in_time sbatch --parsable --array=1-6%2 --output="$work/logs/frames-%a.out" \
    "$farm_scripts/movie-frames.sbatch" 4 "${movie[@]}")
PATH="$work/bin:$PATH" submit video --dependency="afterok:$frames_job" "$farm_scripts/movie-video.sbatch" "${movie[@]}" ||
    fail "the video job failed: $(cat "$work"/logs/video-*.out)"
expect_same_frames "$work/movie" "$work/single"
cat "$work"/single/zoom-*.png | cmp -s - "$work/movie/zoom.mp4" || fail "the video job did not encode every frame in order"

echo "--- a poster: 4 strips, then the join ($SECONDS s)"
mkdir "$work/poster"
strips_job=$(in_time sbatch --parsable --array=1-4 --output="$work/logs/strips-%a.out" \
    "$farm_scripts/poster-strips.sbatch" 4 "${poster_options[@]}" -o "$work/poster/poster.png")
submit join --dependency="afterok:$strips_job" "$farm_scripts/poster-join.sbatch" "$work/poster/poster.png" 4 ||
    fail "the join job failed: $(cat "$work"/logs/join-*.out)"
expect_same_file "$work/poster/poster.png" "$work/single/poster.png"

echo "--- a task stopped with scancel mid-frame, and the array submitted again ($SECONDS s)"
# Frames of a Julia set whose every inside pixel runs to the iteration limit: each takes a while.
slow=(--julia -0.5,0 --rendering Petals --center 0,0 --magnify 1.5 --iters 60000 --size 160x32 --zoom-to 3
    --frames 4)
mkdir "$work/slow" "$work/slow-single"
"$renderer" "${slow[@]}" -q -o "$work/slow-single/zoom.png" || fail "the slow movie in one process failed"
slow_array=(--array=1-2 "$farm_scripts/movie-frames.sbatch" 2 "${slow[@]}" -o "$work/slow/zoom.png")
submit slow "${slow_array[@]}" &
waiting=$!
# The first task reports each tenth of its frames; once its second frame has rows, it is stopped inside it.
inside='frame 2: [1-9][0-9]*/'
until grep -q "$inside" "$work/logs/slow-1.out" 2> /dev/null || [ $SECONDS -ge $deadline ]; do sleep 0.05; done
grep -q "$inside" "$work/logs/slow-1.out" || fail "the first task never got into its second frame"
job=$(in_time squeue -h -n slow -o %F | head -n 1)
in_time scancel --signal=TERM "${job}_1"
if wait "$waiting"; then fail "the stopped task did not fail its array job"; fi
grep -q "in frame 2 and saved" "$work/logs/slow-1.out" || fail "the task did not save its frame: $(cat "$work/logs/slow-1.out")"
resumes=$("$renderer" --info "$work/slow/zoom-0002.png" | sed -n 's/^Comment 2 : Resumes at row \([0-9]*\)\r$/\1/p')
[ "${resumes:-0}" -gt 0 ] || fail "frame 2 was not saved half-finished: $(cat "$work/logs/slow-1.out")"
submit slow "${slow_array[@]}" || fail "the array submitted again failed: $(cat "$work"/logs/slow-*.out)"
grep -q "continuing \"$work/slow/zoom-0002.png\" at row" "$work/logs/slow-1.out" ||
    fail "frame 2 was not continued: $(cat "$work/logs/slow-1.out")"
expect_same_frames "$work/slow" "$work/slow-single"

echo "--- a task with a bad option ($SECONDS s)"
status=0
submit bad --array=1-2 "$farm_scripts/movie-frames.sbatch" 2 "${movie_options[@]}" --iters 0 -o "$work/bad.png" ||
    status=$?
[ "$status" -eq 1 ] || fail "sbatch --wait gave $status for tasks that exit 1 on a bad option"
grep -q -- '--iters: "0" is not a whole number' "$work/logs/bad-1.out" || fail "the task did not say what was wrong"

echo "slurm test passed"
