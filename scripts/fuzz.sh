#!/usr/bin/env bash
# Fuzzes every reader of outside input. Builds the fuzz targets (the fuzz
# preset: clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for SECONDS seconds, one after another:
#
#   scripts/fuzz.sh SECONDS [TARGET...]
#
# A target starts from its seeds in fuzz/corpus/<target>/ and from what
# earlier runs found in build/fuzz/corpus/<target>/, where the inputs it
# finds go; the repository is never written. An input that breaks a target
# ends its turn and is kept in build/fuzz/findings/<target>/, its report in
# build/fuzz/logs/<target>.log. Prints one line per target, with its
# executions over all runs so far (kept in build/fuzz/executions), and last
# the totals of this run. Installs the Debian packages it needs when run as
# root. Exit status: 0 without findings, 1 with, 2 for a wrong command line.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

usage() {
  echo "usage: scripts/fuzz.sh SECONDS [TARGET...]" >&2
  echo "targets: $(cd fuzz/corpus && echo *)" >&2
  exit 2
}

seconds=${1:-}
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || usage
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi
for target in "${targets[@]}"; do
  [ -d "fuzz/corpus/$target" ] || usage
done

work=build/fuzz
tally=$work/executions

install_missing_packages "${FUZZ_PACKAGES[@]}"
echo "== Building the fuzz preset"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel 2

# Executions of one run: libFuzzer's closing statistics, or its last
# progress line when it ended on a finding before them.
executions_in() {
  local count
  count=$(sed -n 's/^stat::number_of_executed_units: \([0-9]*\)$/\1/p' "$1" | tail -n 1)
  [ -n "$count" ] || count=$(sed -n 's/^#\([0-9][0-9]*\)[[:space:]].*/\1/p' "$1" | tail -n 1)
  echo "${count:-0}"
}

# Adds `count` to the executions of `target` over all runs; prints the sum.
add_to_tally() {
  local target=$1 count=$2 before
  touch "$tally"
  before=$(awk -v t="$target" '$1 == t { print $2 }' "$tally")
  awk -v t="$target" '$1 != t' "$tally" >"$tally.new"
  echo "$target $((${before:-0} + count))" >>"$tally.new"
  mv "$tally.new" "$tally"
  echo $((${before:-0} + count))
}

echo "== Fuzzing ${#targets[@]} targets for $seconds s each"
all_executions=0
all_findings=0
for target in "${targets[@]}"; do
  corpus=$work/corpus/$target
  findings=$work/findings/$target
  log=$work/logs/$target.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  found=0
  "$work/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || found=1
  executions=$(executions_in "$log")
  in_all_runs=$(add_to_tally "$target" "$executions")
  line="$target: $executions executions ($in_all_runs in all runs), $found findings"
  if [ $found -ne 0 ]; then
    written=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    line="$line: ${written:-see $log}"
  fi
  echo "$line"
  all_executions=$((all_executions + executions))
  all_findings=$((all_findings + found))
done

echo "${#targets[@]} targets, $all_executions executions, $all_findings findings"
[ $all_findings -eq 0 ]
