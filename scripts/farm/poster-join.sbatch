#!/usr/bin/env bash
# The last job of a poster on a Slurm cluster (see poster-strips.sbatch): joins the N strips of NAME.png
# into NAME.png, the very file a single render writes, and removes what tasks killed while saving left.
#
#   sbatch --dependency=afterok:STRIPS-JOB poster-join.sbatch NAME.png N
#
# Should a strip task fail, this job is removed rather than left waiting for ever; submit both again.
#SBATCH --job-name=zenphra-join
#SBATCH --kill-on-invalid-dep=yes
set -euo pipefail

output=${1:?usage: poster-join.sbatch NAME.png N}
count=${2:?usage: poster-join.sbatch NAME.png N}
# The strips' names as the renderer makes them: K with as many digits as N.
strips=()
for ((strip = 1; strip <= count; strip++)); do
    strips+=("$(printf '%s-strip-%0*d-of-%d.%s' "${output%.*}" ${#count} "$strip" "$count" "${output##*.}")")
done
exec srun --ntasks=1 "${ZENPHRA_RENDER:-zenphra-render}" --join "$output" "${strips[@]}"
