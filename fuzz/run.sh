#!/usr/bin/env bash
# Runs one fuzz target for a fixed number of executions on its seeds.
#   fuzz/run.sh BINARY RUNS WORK_DIR DICT|"" SEED_DIR...
# WORK_DIR is made afresh and receives the seeds' files (.scn and .cfg only from the shared folders of
# scenarios and panels); new inputs the fuzzer finds are kept there, and a crashing input is written
# there as crash-*. Exits non-zero on any finding.
set -euo pipefail
binary=$1 runs=$2 work=$3 dict=$4
shift 4
rm -rf "$work"
mkdir -p "$work/corpus"
for seeds in "$@"; do
  [ -d "$seeds" ] || continue
  if [[ "$seeds" == */corpus/* ]]; then
    find "$seeds" -maxdepth 1 -type f -exec cp {} "$work/corpus/" \;
  else
    find "$seeds" -maxdepth 1 -type f \( -name '*.scn' -o -name '*.cfg' \) -exec cp {} "$work/corpus/" \;
  fi
done
args=(-runs="$runs" -seed=1 -max_len=8192 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1
      -artifact_prefix="$work/")
if [ -n "$dict" ]; then args+=(-dict="$dict"); fi
exec "$binary" "${args[@]}" "$work/corpus"
