#!/usr/bin/env bash
# Runs every fuzz target of the clang build for the given seconds each, one after the
# other, from its seeds; new inputs go to the build tree. Stops at the first finding
# (libFuzzer writes the input as crash-*, leak-* or timeout-* in the current folder).
#
#   fuzz/run-all.sh 600            # ten minutes each
#   fuzz/run-all.sh 60 ORVDateFuzz # one target
set -euo pipefail
seconds=${1:?usage: fuzz/run-all.sh <seconds> [target...]}
shift
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${ORV_FUZZ_BUILD_DIR:-$source_dir/build/clang}
cmake --build "$build_dir" --target fuzzers
if [ $# -eq 0 ]; then
  set -- $(cd "$source_dir/fuzz" && ls ./*Fuzz.cpp | sed 's|^\./||; s|\.cpp$||')
fi
# As the tests run: catalogs from the build tree, messages in English.
export PEV_CATALOG_PATH= LC_ALL= LC_MESSAGES= LANG=C
for target in "$@"; do
  seeds=$source_dir/fuzz/corpus-$target
  [ "$target" = ORVCOMMessageFuzz ] && seeds=$source_dir/fuzz/corpus
  work=$build_dir/fuzz/corpus-$target
  mkdir -p "$work"
  echo "== $target, $seconds s"
  log=$work.log
  if ! "$build_dir/bin/$target" -max_total_time="$seconds" -print_final_stats=1 "$work" "$seeds" \
    >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target: finding (log: $log)" >&2
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units' "$log" || true
done
