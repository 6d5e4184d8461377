#!/usr/bin/env bash
# Builds the fuzz targets (clang's libFuzzer, with AddressSanitizer and
# UndefinedBehaviorSanitizer) in the address build, build-asan/, which
# `make test-asan` shares (scripts/sanitized_build.sh), and runs each for
# FUZZ_SECONDS seconds (60 unless set), starting from its seeds in
# tests/fuzz/corpus/. Prints every target's executions and coverage. An
# input that breaks a target is saved under fuzz/findings/ and the command
# fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
findings=fuzz/findings

source scripts/sanitized_build.sh
sanitized_build address fuzz_targets

mkdir -p "$findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
# Two targets at a time, one a core, as the builds take two cores.
run_target() {
  local target=$1 name=${1##*/fuzz_}
  # New inputs go to the first folder, outside the repository; the seeds
  # stay as they are.
  local work=$build/corpus/$name
  local ended=0
  mkdir -p "$work"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$work" "tests/fuzz/corpus/$name" >"$build/fuzz_$name.log" 2>&1 \
    || ended=$?
  echo "$ended" >"$build/fuzz_$name.status"
}
targets=()
for target in "$build"/tests/fuzz/fuzz_*; do
  [[ -x $target && -f $target ]] && targets+=("$target")
done
for target in "${targets[@]}"; do
  (( $(jobs -rp | wc -l) < 2 )) || wait -n
  run_target "$target" &
done
wait

printf '%-16s %12s %8s %8s  %s\n' target executions cov ft result
status=0
for target in "${targets[@]}"; do
  name=${target##*/fuzz_}
  log=$build/fuzz_$name.log
  result=ok
  if [[ $(cat "$build/fuzz_$name.status") != 0 ]]; then
    result="FINDING (see $log)"
    status=1
  fi
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log" | tail -n 1)
  cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
  ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$last")
  printf '%-16s %12s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
if compgen -G "$findings/*" >/dev/null; then
  echo "findings, each to be mended and kept as a unit test:"
  ls -1 "$findings"
  status=1
fi
exit $status
