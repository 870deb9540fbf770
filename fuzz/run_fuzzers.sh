#!/bin/sh
# Runs every fuzz target of a libFuzzer build for a while, one after another.
#   fuzz/run_fuzzers.sh BUILD_DIR SECONDS [RUNS]
# FUZZ_TARGETS names the targets to run (all by default) and FUZZ_SUMMARY the
# file of figures, so that two runs can share the machine's cores.
# Each target works on BUILD_DIR/corpus/TARGET, where the inputs it finds go,
# and reads the committed seeds of fuzz/corpus/TARGET beside it. Its log goes
# to BUILD_DIR/logs, anything it finds to BUILD_DIR/findings/TARGET, and one
# line of figures per target to BUILD_DIR/summary.txt. Fails when a target
# found something in this run.
set -u
build=$1
seconds=$2
runs=${3:-}
source_dir=$(cd "$(dirname "$0")" && pwd)
targets=${FUZZ_TARGETS:-"vault_text vault_file kwt_load kwt_import kwc kwy item_file item_list item_xml"}

summary=${FUZZ_SUMMARY:-"$build/summary.txt"}
mkdir -p "$build/logs"
printf '%-11s %11s %8s %14s  %s\n' target executions seconds corpus findings > "$summary"
status=0
for target in $targets; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$target"
  found_before=$(find "$findings" -type f | wc -l)
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" ${runs:+-runs="$runs"} -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "$source_dir/corpus/$target" > "$log" 2>&1
  # libFuzzer's final statistics count the executions; "Done N runs in S
  # second(s)" ends a run that found nothing, and the last status line gives
  # the corpus it held (the seeds included).
  executions=$(grep -a '^stat::number_of_executed_units:' "$log" | awk '{print $2}' | tail -n 1)
  elapsed=$(grep -aE '^Done [0-9]+ runs in [0-9]+ second' "$log" | awk '{print $5}' | tail -n 1)
  corpus_held=$(grep -aoE 'corp: [0-9]+/[0-9]+(b|Kb|Mb)' "$log" | tail -n 1 | cut -d' ' -f2)
  found=$(($(find "$findings" -type f | wc -l) - found_before))
  printf '%-11s %11s %8s %14s  %s\n' "$target" "${executions:-?}" "${elapsed:-stopped}" "${corpus_held:-?}" \
    "$found" >> "$summary"
  # A run that stopped early found something, even an input kept before.
  if [ "$found" -gt 0 ] || [ -z "$elapsed" ]; then
    status=1
    echo "   stopped on a finding: see $log and $findings"
  fi
done
cat "$summary"
exit $status
