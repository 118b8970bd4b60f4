#!/usr/bin/env bash
# Builds the Windows build of the tests and runs them under wine: ctest with wine as the emulator,
# the offscreen platform, then the file-name table test under the code pages 1252 (Western) and
# 932 (Japanese). Qt and OpenCV for Windows come from package-windows.sh's cache (built on the first
# run). Tests that exercise POSIX calls of their own (mounts, forks, file modes) stay Linux tests.
# Extra arguments go to ctest (for example -R files_).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${KORVEN_WINDOWS_CACHE:-$HOME/.cache/korven-windows}
jobs=${KORVEN_WINDOWS_JOBS:-$(nproc)}
triple=x86_64-w64-mingw32

"$here/scripts/package-windows.sh" --third-party

qt_prefix="$cache/qt6-windows"
cv_prefix="$cache/opencv-windows"
host_cmake_dir=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")")
build="$here/build-windows/tests"
wine=$(command -v wine)

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/packaging/windows/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DKORVEN_SANITIZE=OFF -DKORVEN_BUNDLE_PROBLEMS=OFF -DKORVEN_BUILD_TESTS=ON \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
  -DCMAKE_PREFIX_PATH="$qt_prefix;$cv_prefix" -DCMAKE_FIND_ROOT_PATH="$qt_prefix;$cv_prefix" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" >/dev/null
cmake --build "$build" -j"$jobs"

# A wine prefix of the tests' own, made once; no Mono or Gecko prompts, no debug chatter.
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  "$wine" wineboot --init >/dev/null 2>&1
fi
wineserver -p 60 2>/dev/null || true

# The DLLs the tests load: Qt, OpenCV and the MinGW runtime, found through WINEPATH.
runtime_dir=$(dirname "$(${triple}-g++-posix -print-file-name=libstdc++-6.dll)")
winepath_of() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
WINEPATH="$(winepath_of "$qt_prefix/bin");$(winepath_of "$cv_prefix/bin");$(winepath_of "$runtime_dir");$(winepath_of "/usr/$triple/lib")"
export WINEPATH
export QT_PLUGIN_PATH="$(winepath_of "$qt_prefix/plugins")"
export QT_QPA_PLATFORM=offscreen

cd "$build"
ctest --output-on-failure -j"$jobs" "$@"

# The file names again under the two code pages a school's Windows has: wine takes its code page
# from the locale it is started in.
for locale in en_US.UTF-8:1252 ja_JP.UTF-8:932; do
  echo "test-windows: file names under code page ${locale##*:}"
  LANG=${locale%%:*} LC_ALL=${locale%%:*} KORVEN_EXPECT_CODEPAGE=${locale##*:} \
    "$wine" "$build/files_test_file_names.exe"
done
