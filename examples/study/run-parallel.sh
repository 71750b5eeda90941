#!/bin/sh
# A design study spread over several processes of this machine by GNU parallel
# (Debian package `parallel`), then merged: the same files as one
# `vorla study STUDY.toml` writes, byte for byte.
#
#   ./run-parallel.sh office.toml 4          -> office-results/
#
# Each process runs one shard with one thread; any split gives the same result.
set -eu
study=${1:-office.toml}
shards=${2:-4}
vorla=${VORLA:-vorla}
results=${study%.toml}-results

seq 1 "$shards" |
    parallel --halt now,fail=1 \
        "$vorla" study "$study" --shard "{}/$shards" -j 1 --no-progress -o "$results-shard-{}"
# shellcheck disable=SC2046 # one folder name per shard
"$vorla" study merge $(seq -f "$results-shard-%g" 1 "$shards") -o "$results"
rm -rf $(seq -f "$results-shard-%g" 1 "$shards")
