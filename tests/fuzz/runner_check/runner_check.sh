#!/usr/bin/env bash
# Checks the fuzz runner of scripts/test (scripts/lib.sh) as the run uses it:
# two workers side by side over a faulty target and a quiet one. The faulty
# one must fail and keep the input that broke it; the quiet one must pass,
# ended by the runner once it has had its processor time; each target must run
# once.
#   runner_check.sh FAULTY_TARGET QUIET_TARGET
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/lib.sh"
[ $# -eq 2 ] || { echo "usage: runner_check.sh FAULTY QUIET" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/targets"
cp "$1" "$work/targets/faulty_fuzz"
cp "$2" "$work/targets/quiet_fuzz"

worker() {
  local target status=0
  while target="$(claim_fuzz_target "$work/targets" "$work/results")"; do
    run_fuzz_target "$target" "$work/fuzz" "$work/results" 3 >>"$work/said-$BASHPID" || status=1
  done
  return $status
}
worker & first=$!
worker & second=$!
failures=0
wait "$first" || failures=$((failures + 1))
wait "$second" || failures=$((failures + 1))

problems=()
[ "$failures" -eq 1 ] || problems+=("expected one worker to fail, $failures did")
[ "$(cat "$work/results/faulty_fuzz.result" 2>/dev/null)" = "0 1" ] || problems+=("the faulty target was not counted as failed")
[ "$(cat "$work/results/quiet_fuzz.result" 2>/dev/null)" = "1 0" ] || problems+=("the quiet target was not counted as passed")
ls "$work/fuzz/artifacts/faulty_fuzz-"* >/dev/null 2>&1 || problems+=("no artifact kept for the faulty target")
[ "$(ls "$work/results/claims" | wc -l)" -eq 2 ] || problems+=("the targets were not each claimed once")
grep -q 'heap-buffer-overflow' "$work/results/faulty_fuzz.log" || problems+=("the faulty target's log names no overflow")
# The quiet one runs until the runner ends it, with its processor time had.
grep -q 'libFuzzer: run interrupted' "$work/results/quiet_fuzz.log" || problems+=("the quiet target was not ended by the runner")
cat "$work"/said-* | grep -qE '^quiet_fuzz: [0-9]+ inputs in [3-9] s of processor time$' ||
  problems+=("the quiet target's line does not give its 3 s of processor time")
if [ ${#problems[@]} -gt 0 ]; then
  printf 'runner check: %s\n' "${problems[@]}"
  exit 1
fi
echo "runner check: the faulty target failed with its artifact kept, the quiet one passed"
