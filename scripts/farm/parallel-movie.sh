#!/usr/bin/env bash
# A zoom movie on the machines GNU Parallel reaches by ssh: a job a chunk of frames, then the movie
# command once more here, which finds every frame done and, given --video, encodes the video.
#
#   scripts/farm/parallel-movie.sh [-S HOSTS] [-j JOBS] [--chunk F] [--joblog FILE] -- OPTIONS...
#
#   -S HOSTS      the machines, as GNU Parallel's --sshlogin takes them ("node1,node2"; the default ":"
#                 is this machine alone). Each must see the output folder and the renderer under the
#                 same path, a shared folder for instance.
#   -j JOBS       jobs at once on each machine (default 1: a job plots on every core of its machine)
#   --chunk F     frames a job (default 10)
#   --joblog FILE GNU Parallel's record of the jobs (default NAME.frames.joblog beside NAME.png)
#
# OPTIONS are the renderer's options for the whole movie, --frames N and --output NAME.png among them.
# Run again after a failure or a stop, the same command runs only the jobs that failed or never ran
# (--resume-failed), and they continue the frames they left half-finished. A stopped job gets 30 seconds
# to save its frame. The renderer is $ZENPHRA_RENDER when that is set, otherwise zenphra-render on the
# PATH.
set -euo pipefail

hosts=:
jobs=1
chunk=10
joblog=
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    case $1 in
        -S) hosts=$2; shift 2 ;;
        -j) jobs=$2; shift 2 ;;
        --chunk) chunk=$2; shift 2 ;;
        --joblog) joblog=$2; shift 2 ;;
        *) echo "parallel-movie.sh: unknown option $1 (the renderer's options follow --)" >&2; exit 1 ;;
    esac
done
[ $# -gt 0 ] && shift
movie=("$@")

# The jobs plot frames only: the video is made at the end.
frames=
output=
options=()
while [ $# -gt 0 ]; do
    case $1 in
        --video | --fps) shift 2; continue ;;
        --video=* | --fps=*) shift; continue ;;
        --frames) frames=${2:-} ;;
        --frames=*) frames=${1#--frames=} ;;
        -o | --output) output=${2:-} ;;
        --output=*) output=${1#--output=} ;;
    esac
    options+=("$1")
    shift
done
[ -n "$frames" ] || { echo "parallel-movie.sh: the renderer's options give no --frames N" >&2; exit 1; }
[ -n "$output" ] || { echo "parallel-movie.sh: the renderer's options give no --output NAME.png" >&2; exit 1; }
[ "$chunk" -ge 1 ] 2> /dev/null || { echo "parallel-movie.sh: --chunk takes a whole number of 1 or more" >&2; exit 1; }

ranges=()
for ((first = 1; first <= frames; first += chunk)); do
    ranges+=("$first-$((first + chunk - 1 < frames ? first + chunk - 1 : frames))")
done
renderer=${ZENPHRA_RENDER:-zenphra-render}
parallel --will-cite --joblog "${joblog:-${output%.*}.frames.joblog}" --resume-failed -S "$hosts" -j "$jobs" \
    --wd "$PWD" --term-seq TERM,30000,KILL,25 --halt never -q "$renderer" "${options[@]}" --frame-range {} ::: "${ranges[@]}"
exec "$renderer" "${movie[@]}"
