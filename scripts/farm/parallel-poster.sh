#!/usr/bin/env bash
# A poster on the machines GNU Parallel reaches by ssh: a job a row strip, then the join here.
#
#   scripts/farm/parallel-poster.sh [-S HOSTS] [-j JOBS] [--strips N] [--joblog FILE] -- OPTIONS...
#
#   -S HOSTS      the machines, as GNU Parallel's --sshlogin takes them ("node1,node2"; the default ":"
#                 is this machine alone). Each must see the output folder and the renderer under the
#                 same path, a shared folder for instance.
#   -j JOBS       jobs at once on each machine (default 1: a job plots on every core of its machine, and
#                 holds the whole image's pixels, a byte each)
#   --strips N    row strips of the image (default 8)
#   --joblog FILE GNU Parallel's record of the jobs (default NAME.strips.joblog beside NAME.png)
#
# OPTIONS are the renderer's options for the whole image, --output NAME.png among them; the strips are
# NAME-strip-K-of-N.png, and the join writes NAME.png, the very file a single render writes. Run again
# after a failure or a stop, the same command runs only the jobs that failed or never ran
# (--resume-failed), and they continue the strips they left half-finished. A stopped job gets 30 seconds
# to save its strip. The renderer is $ZENPHRA_RENDER when that is set, otherwise zenphra-render on the
# PATH.
set -euo pipefail

hosts=:
jobs=1
strips=8
joblog=
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    case $1 in
        -S) hosts=$2; shift 2 ;;
        -j) jobs=$2; shift 2 ;;
        --strips) strips=$2; shift 2 ;;
        --joblog) joblog=$2; shift 2 ;;
        *) echo "parallel-poster.sh: unknown option $1 (the renderer's options follow --)" >&2; exit 1 ;;
    esac
done
[ $# -gt 0 ] && shift

output=
arguments=("$@")
while [ $# -gt 0 ]; do
    case $1 in
        -o | --output) output=${2:-} ;;
        --output=*) output=${1#--output=} ;;
    esac
    shift
done
[ -n "$output" ] || { echo "parallel-poster.sh: the renderer's options give no --output NAME.png" >&2; exit 1; }
[ "$strips" -ge 1 ] 2> /dev/null || { echo "parallel-poster.sh: --strips takes a whole number of 1 or more" >&2; exit 1; }

renderer=${ZENPHRA_RENDER:-zenphra-render}
parallel --will-cite --joblog "${joblog:-${output%.*}.strips.joblog}" --resume-failed -S "$hosts" -j "$jobs" \
    --wd "$PWD" --term-seq TERM,30000,KILL,25 --halt never -q "$renderer" "${arguments[@]}" --strip "{}/$strips" \
    ::: $(seq "$strips")
files=()
for ((strip = 1; strip <= strips; strip++)); do
    files+=("$(printf '%s-strip-%0*d-of-%d.%s' "${output%.*}" ${#strips} "$strip" "$strips" "${output##*.}")")
done
exec "$renderer" --join "$output" "${files[@]}"
