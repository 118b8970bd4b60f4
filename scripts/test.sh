#!/usr/bin/env bash
# Builds KORVEN with AddressSanitizer and UndefinedBehaviorSanitizer in build-test/ (apart from the
# Release build of run.sh) and runs the whole test suite, then the fuzz targets' short runs from
# build-fuzz/ (clang); exits non-zero when any of them fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"

build="$here/build-test"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEN_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Leaks inside the system's Qt, font and GL libraries are not ours to fix; the project's own are.
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
status=0
ctest --output-on-failure -j"$(nproc)" || status=$?

# The file readers' fuzz targets need clang, so they get a small build folder of their own; each
# runs over its seed corpus plus a few thousand new inputs.
fuzz="$here/build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVEN_FUZZ=ON >/dev/null
cmake --build "$fuzz" -j"$(nproc)"
cd "$fuzz"
ctest --output-on-failure -j"$(nproc)" || status=$?
exit $status
