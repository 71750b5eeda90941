#!/bin/bash
# A design study spread over a cluster as a Slurm job array: array task K of N
# runs shard K/N of the study; a job that waits for the whole array merges the
# shards into the files one `vorla study STUDY.toml` writes, byte for byte.
#
#   array=$(sbatch --parsable slurm-study.sh office.toml)
#   sbatch --dependency=afterok:"$array" --wrap \
#       'vorla study merge office-results-shard-* -o office-results'
#
# Submit from the study file's folder (its paths are relative to it), with
# `vorla` on the nodes' PATH and the folder on a file system they share.
#SBATCH --job-name=vorla-study
#SBATCH --array=1-8
#SBATCH --cpus-per-task=2
#SBATCH --time=00:20:00
#SBATCH --output=vorla-study-%A-%a.log
set -euo pipefail
study=${1:-office.toml}
shards=${SLURM_ARRAY_TASK_COUNT:?run this script with sbatch --array}
shard=${SLURM_ARRAY_TASK_ID}

vorla study "$study" --shard "$shard/$shards" -j "${SLURM_CPUS_PER_TASK:-1}" --no-progress \
    -o "${study%.toml}-results-shard-$shard"
