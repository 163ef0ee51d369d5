#!/usr/bin/env bash
# Rewrites tests/golden/analysis_sessions.txt with what its queries show now, after an
# intended change of the analysis output, and shows the difference to the committed file.
# Review the diff before committing it.
#   scripts/update_golden_sessions.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
file=tests/golden/analysis_sessions.txt
cmake --build "$build" --target golden_test -j 2 >/dev/null
VELIMORA_GOLDEN_UPDATE=1 VELIMORA_SAMPLE_DATA="$build/data" \
  "$build/tests/golden/golden_test" --gtest_filter='AnalysisSessions.*' --gtest_brief=1
git -C "$root" diff --stat -- "$file"
git -C "$root" diff -- "$file"
