#!/usr/bin/env bash
# The last job of a zoom movie on a Slurm cluster (see movie-frames.sbatch): the movie command itself,
# which finds every frame done and, given --video, encodes the video.
#
#   sbatch --dependency=afterok:FRAMES-JOB movie-video.sbatch OPTIONS...
#
# Should a frame task fail, this job is removed rather than left waiting for ever; submit both again.
#SBATCH --job-name=zenphra-video
#SBATCH --kill-on-invalid-dep=yes
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: movie-video.sbatch RENDERER-OPTIONS..." >&2; exit 1; }
export ZENPHRA_THREADS=${SLURM_CPUS_PER_TASK:-${SLURM_CPUS_ON_NODE:-}}
exec srun --ntasks=1 "${ZENPHRA_RENDER:-zenphra-render}" "$@"
