#!/usr/bin/env bash
# Builds KORVEN with AddressSanitizer and UndefinedBehaviorSanitizer in build-test/ (apart from the
# Release build of run.sh) and runs the whole test suite; then, in a stage of its own, the fuzz
# targets' short runs from build-fuzz/ (clang). Exits non-zero when any of them fails.
#   scripts/test.sh            both stages
#   scripts/test.sh --no-fuzz  the test suite only
#   scripts/test.sh --fuzz     the fuzz stage only
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
stages="tests fuzz"
case "${1:-}" in
  --no-fuzz) stages="tests" ;;
  --fuzz) stages="fuzz" ;;
  "") ;;
  *) echo "usage: scripts/test.sh [--no-fuzz | --fuzz]" >&2; exit 2 ;;
esac
"$here/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
# Leaks inside the system's Qt, font and GL libraries are not ours to fix; the project's own are.
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0

if [[ " $stages " == *" tests "* ]]; then
  echo "test.sh: building the tests and what they run (build-test/)"
  build="$here/build-test"
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEN_SANITIZE=ON >/dev/null
  # Only what the tests need: the test executables, the programs and the files they run on.
  cmake --build "$build" -j"$(nproc)" --target korven_tests
  echo "test.sh: running the tests"
  (cd "$build" && ctest --output-on-failure -j"$(nproc)") || status=$?
fi

if [[ " $stages " == *" fuzz "* ]]; then
  # The file readers' fuzz targets need clang, so they get a small build folder of their own with
  # only the plain-logic libraries they read with (ccache keeps its objects between runs); each
  # target runs over its seed corpus plus a few thousand new inputs.
  echo "test.sh: fuzz stage (build-fuzz/)"
  fuzz="$here/build-fuzz"
  CC=clang CXX=clang++ cmake -S "$here" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVEN_FUZZ=ON >/dev/null
  cmake --build "$fuzz" -j"$(nproc)" --target korven_fuzz
  (cd "$fuzz" && ctest --output-on-failure -j"$(nproc)") || status=$?
fi
exit $status
