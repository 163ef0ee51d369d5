#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for SECONDS seconds each, on a working copy of its
# committed seed corpus (fuzz/corpus/NAME), with its dictionary (fuzz/NAME.dict) when there
# is one. Fails on any crash, sanitizer report, leak or input that takes over 1 s; the input
# that did it is kept under BUILD_DIR/fuzz-artifacts/NAME/.
#   scripts/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for name in query records sources; do
  target="$build/fuzz/${name}_fuzzer"
  work="$build/fuzz-corpus/$name"
  artifacts="$build/fuzz-artifacts/$name/"
  log="$build/fuzz-$name.log"
  mkdir -p "$work" "$artifacts"
  dict=()
  if [ -f "$root/fuzz/$name.dict" ]; then dict=(-dict="$root/fuzz/$name.dict"); fi
  if "$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts" "${dict[@]}" "$work" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
    result=clean
  else
    result=FAILED
    status=1
    tail -n 60 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz $name: $result, ${runs:-?} inputs in $seconds s, ${speed:-?} inputs/s (log: $log)"
done
exit $status
