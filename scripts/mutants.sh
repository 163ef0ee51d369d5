#!/usr/bin/env bash
# Mutation check of the analysis tests (not part of make test: it rebuilds once per mutant).
# Each mutant of scripts/mutants.txt replaces one exact text of one file in a copy of the tree;
# the copy is rebuilt and the analysis tests run on it. One line per mutant:
#   CAUGHT       a test failed, hung or the mutant did not compile
#   SURVIVED     every test passed
#   NOT-APPLIED  the text no longer stands exactly once in the file (update the list)
# then the totals. Mutants whose id contains one of the arguments run, all without arguments.
#   nice -n 10 scripts/mutants.sh [ID-PART ...]
# MUTANTS_DIR (default: the tree's folder + "-mutants", beside it) holds the copy and its
# build folder, built at -O1 without debug information (quick to compile and link) through
# ccache: the first run compiles everything once, later ones only what a mutant touches.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
copy=${MUTANTS_DIR:-$root-mutants}
build=$copy/build
first_tests=(golden_test)              # the analysis sessions: most mutants end here
more_tests=(lookup_test shell_test wordlists_test)  # unit tests: search, ranking, driver, relations
seconds=300                            # a test program running longer has hung

# Writes every tracked or new file of the tree whose text differs into the copy (with a new
# time stamp, so that the build sees it).
sync_copy() {
  python3 - "$root" "$copy" <<'EOF'
import filecmp, os, shutil, subprocess, sys
root, copy = sys.argv[1:]
out = subprocess.run(['git', '-C', root, 'ls-files', '-z', '--cached', '--others',
                      '--exclude-standard'], capture_output=True, check=True).stdout
for f in filter(None, out.decode().split('\0')):
    src, dst = os.path.join(root, f), os.path.join(copy, f)
    if not os.path.isfile(src) or (os.path.isfile(dst) and filecmp.cmp(src, dst, False)):
        continue
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    shutil.copyfile(src, dst)
EOF
}

# FILE ORIGINAL REPLACEMENT: replaces the one place of ORIGINAL in the copy's FILE.
apply_mutant() {
  python3 - "$copy/$1" "$2" "$3" <<'EOF'
import sys
path, old, new = sys.argv[1:]
text = open(path, encoding='latin-1').read()
if text.count(old) != 1:
    sys.exit(3)
open(path, 'w', encoding='latin-1').write(text.replace(old, new))
EOF
}

# Builds and runs the test programs named; 0 when all passed.
run_tests() {
  cmake --build "$build" -j 2 --target "$@" >"$copy/build.log" 2>&1 || return 2
  for t in "$@"; do
    bin=$(find "$build/tests" -name "$t" -type f -perm -u+x | head -n 1)
    VELIMORA_SAMPLE_DATA=$build/data timeout "$seconds" "$bin" \
      >"$copy/test.log" 2>&1 || return 1
  done
}

mkdir -p "$copy"
sync_copy
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$copy" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DVELIMORA_GUI=OFF \
    -DVELIMORA_BENCH=OFF >"$copy/configure.log" 2>&1 ||
    { echo "configuring $build failed (see $copy/configure.log)"; exit 2; }
fi
if ! run_tests "${first_tests[@]}" "${more_tests[@]}"; then
  echo "the tests fail without any mutant (see $copy/build.log, $copy/test.log)"
  exit 2
fi

caught=0 survived=0 skipped=0
survivors=()
while IFS= read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  id=${line%% *} rest=${line#* }
  file=${rest%% *} change=${rest#* }
  original=${change%% ==> *} replacement=${change#* ==> }
  if [ $# -gt 0 ]; then
    wanted=0
    for part in "$@"; do [[ "$id" == *"$part"* ]] && wanted=1; done
    [ $wanted -eq 1 ] || continue
  fi
  if ! apply_mutant "$file" "$original" "$replacement"; then
    echo "NOT-APPLIED $id"
    skipped=$((skipped + 1))
    continue
  fi
  if run_tests "${first_tests[@]}" && run_tests "${more_tests[@]}"; then
    echo "SURVIVED    $id"
    survived=$((survived + 1))
    survivors+=("$id")
  else
    echo "CAUGHT      $id"
    caught=$((caught + 1))
  fi
  cp "$root/$file" "$copy/$file"
done <"$root/scripts/mutants.txt"

total=$((caught + survived))
echo "caught $caught of $total applied mutants ($((total > 0 ? 100 * caught / total : 0)) %)," \
  "$skipped not applied; survivors: ${survivors[*]:-none}"
