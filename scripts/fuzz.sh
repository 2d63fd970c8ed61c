#!/usr/bin/env bash
# The long fuzz run: builds the fuzz preset and runs every target for RUNS executions (10 million by
# default) on its seeds, one target after another, JOBS at a time. Each target's log, new inputs and
# any crashing input go to build/fuzz/long/<target>/; a summary line per target is printed at the end.
#   scripts/fuzz.sh [RUNS] [JOBS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
jobs=${2:-2}
shift $(( $# < 2 ? $# : 2 ))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(tooltip panel_config scenario_parse ext_link wave scenario_run radio gauge_params water_settings)
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Shorter allocation stacks and a smaller quarantine: several times more executions per second. A
# finding is run again from its saved input with the full reports.
export ASAN_OPTIONS="detect_leaks=1:malloc_context_size=2:quarantine_size_mb=32"

seeds_of() {
  case $1 in
    scenario_parse|scenario_run) echo "scenarios tests/scenarios" ;;
    panel_config) echo "examples" ;;
  esac
}
dict_of() {
  case $1 in
    scenario_parse|scenario_run) echo "fuzz/scenario.dict" ;;
    gauge_params|water_settings) echo "fuzz/parameters.dict" ;;
    panel_config) echo "fuzz/panel.dict" ;;
  esac
}

run_one() {
  local t=$1 work=build/fuzz/long/$1
  local start=$SECONDS
  # shellcheck disable=SC2046
  if fuzz/run.sh "build/fuzz/bin/fuzz_$t" "$runs" "$work" "$(dict_of "$t")" "fuzz/corpus/$t" $(seeds_of "$t") \
       > "build/fuzz/long/$t.log" 2>&1; then
    result=clean
  else
    result="FINDING (see build/fuzz/long/$t.log)"
  fi
  local done_line
  done_line=$(grep -E '^Done [0-9]+ runs' "build/fuzz/long/$t.log" | tail -1 || true)
  echo "$t: $result; ${done_line:-no summary}; $((SECONDS - start)) s wall" > "build/fuzz/long/$t.summary"
  cat "build/fuzz/long/$t.summary"
}

mkdir -p build/fuzz/long
running=0
for t in "${targets[@]}"; do
  run_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true
echo "== summary ($runs executions per target)"
cat build/fuzz/long/*.summary
! grep -q FINDING build/fuzz/long/*.summary
