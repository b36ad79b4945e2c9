#!/usr/bin/env bash
# A zoom movie on a Slurm cluster: each task of this array job plots a chunk of the movie's frames, and a
# job that waits for them all encodes the video (movie-video.sbatch).
#
#   frames=$(sbatch --parsable --array=1-TASKS%AT_ONCE movie-frames.sbatch CHUNK OPTIONS...)
#   sbatch --dependency=afterok:$frames movie-video.sbatch OPTIONS...
#
# OPTIONS are the renderer's options for the whole movie, --frames N and --output NAME.png among them,
# the same for every task. Task K plots frames (K - 1) * CHUNK + 1 to K * CHUNK, so TASKS is N / CHUNK
# rounded up; --video and --fps are left to the video job. A task stopped at its time limit, by
# preemption or by scancel saves the frame it was plotting half-finished, and the same array submitted
# again keeps the finished frames and continues it.
#
# The renderer is $ZENPHRA_RENDER when that is set, otherwise zenphra-render on the PATH, and it plots on
# as many threads as the task has CPUs.
#SBATCH --job-name=zenphra-frames
#SBATCH --cpus-per-task=1
set -euo pipefail

chunk=${1:?usage: movie-frames.sbatch CHUNK RENDERER-OPTIONS...}
shift
frames=
options=()
while [ $# -gt 0 ]; do
    case $1 in
        --video | --fps) shift 2 ;;
        --video=* | --fps=*) shift ;;
        *)
            case $1 in
                --frames) frames=${2:-} ;;
                --frames=*) frames=${1#--frames=} ;;
            esac
            options+=("$1")
            shift
            ;;
    esac
done
[ -n "$frames" ] || { echo "movie-frames.sbatch: the options give no --frames N" >&2; exit 1; }
[ -n "${SLURM_ARRAY_TASK_ID:-}" ] || { echo "movie-frames.sbatch: submit it with sbatch --array" >&2; exit 1; }

first=$(((SLURM_ARRAY_TASK_ID - 1) * chunk + 1))
last=$((SLURM_ARRAY_TASK_ID * chunk < frames ? SLURM_ARRAY_TASK_ID * chunk : frames))
if [ "$first" -gt "$frames" ]; then
    echo "movie-frames.sbatch: task $SLURM_ARRAY_TASK_ID has no frames: $frames frames make" \
        "$(((frames + chunk - 1) / chunk)) tasks of $chunk" >&2
    exit 1
fi
export ZENPHRA_THREADS=${SLURM_CPUS_PER_TASK:-${SLURM_CPUS_ON_NODE:-}}
# Run as a job step, which is what Slurm signals when it stops the task.
exec srun --ntasks=1 "${ZENPHRA_RENDER:-zenphra-render}" "${options[@]}" --frame-range "$first-$last"
