#!/usr/bin/env bash
# A poster on a Slurm cluster: task K of this array job plots the K-th of N row strips of the image into
# NAME-strip-K-of-N.png, and a job that waits for them all joins them into NAME.png (poster-join.sbatch).
#
#   strips=$(sbatch --parsable --array=1-N%AT_ONCE poster-strips.sbatch N OPTIONS...)
#   sbatch --dependency=afterok:$strips poster-join.sbatch NAME.png N
#
# OPTIONS are the renderer's options for the whole image, --output NAME.png among them. Every task holds
# the whole image's pixels, a byte each (twice that while it continues a stopped strip): ask for that
# much memory with --mem. A task stopped at its time limit, by preemption or by scancel saves its strip
# half-finished, and the same array submitted again keeps the finished strips and continues it.
#
# The renderer is $ZENPHRA_RENDER when that is set, otherwise zenphra-render on the PATH, and it plots on
# as many threads as the task has CPUs.
#SBATCH --job-name=zenphra-strips
#SBATCH --cpus-per-task=1
set -euo pipefail

strips=${1:?usage: poster-strips.sbatch N RENDERER-OPTIONS...}
shift
[ -n "${SLURM_ARRAY_TASK_ID:-}" ] || { echo "poster-strips.sbatch: submit it with sbatch --array" >&2; exit 1; }
export ZENPHRA_THREADS=${SLURM_CPUS_PER_TASK:-${SLURM_CPUS_ON_NODE:-}}
# Run as a job step, which is what Slurm signals when it stops the task.
exec srun --ntasks=1 "${ZENPHRA_RENDER:-zenphra-render}" "$@" --strip "$SLURM_ARRAY_TASK_ID/$strips"
