#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS (default 60).
# New inputs are kept in build-fuzz/fuzz-found/<target>/; a crash leaves its input beside them
# and makes the script exit non-zero.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$here/scripts/install-deps.sh"

build="$here/build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVEN_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
status=0
for target in fuzz_bitmap fuzz_listing fuzz_comma_text fuzz_user_files fuzz_records fuzz_class_reader fuzz_karyotype fuzz_case_folder fuzz_case_records fuzz_case_grading; do
  found="$build/fuzz-found/$target"
  mkdir -p "$found"
  max_len=8192
  { [ "$target" = fuzz_bitmap ] || [ "$target" = fuzz_case_folder ]; } && max_len=65536
  echo "fuzz.sh: $target for $seconds s"
  if "$build/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
       -artifact_prefix="$build/fuzz-found/$target-" "$found" "$here/fuzz/corpus/$target" \
       2>"$build/fuzz-found/$target.log"; then
    grep -E "stat::number_of_executed_units|DONE" "$build/fuzz-found/$target.log" | tail -2
  else
    status=1
    echo "fuzz.sh: $target FOUND A FAULT; see $build/fuzz-found/$target.log"
    tail -40 "$build/fuzz-found/$target.log"
  fi
done
exit $status
