#!/usr/bin/env bash
# Builds KORVEN for 64-bit Windows on a Debian 12 machine and writes
# build-windows/KORVEN-<version>-setup.exe (NSIS) and build-windows/KORVEN-<version>-portable.zip.
#
# Debian ships the MinGW-w64 cross compilers but no Qt and no OpenCV for Windows, so the first run
# fetches Debian's sources of qt6-base and opencv and cross-builds them into a cache folder outside
# the clone (KORVEN_WINDOWS_CACHE, default ~/.cache/korven-windows). Every finished step leaves a
# stamp file there, so a second run reuses what is built. Build logs and step times are in the
# cache's logs/ folder.
#
#   scripts/package-windows.sh                 everything
#   scripts/package-windows.sh --third-party   only the packages, Qt and OpenCV for Windows
#   scripts/package-windows.sh --tests         also cross-builds the tests (build-windows-tests/)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${KORVEN_WINDOWS_CACHE:-$HOME/.cache/korven-windows}
jobs=${KORVEN_WINDOWS_JOBS:-$(nproc)}
toolchain="$here/packaging/windows/mingw-w64.cmake"
triple=x86_64-w64-mingw32

only_third_party=0
with_tests=0
for arg in "$@"; do
  case "$arg" in
    --third-party) only_third_party=1 ;;
    --tests) with_tests=1 ;;
    -h|--help) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "package-windows: unknown option $arg" >&2; exit 2 ;;
  esac
done

mkdir -p "$cache/stamps" "$cache/logs" "$cache/src"
times="$cache/logs/times.txt"

say() { echo "package-windows: $*"; }
die() { echo "package-windows: $*" >&2; exit 1; }

# Runs a named step unless its stamp exists; its output goes to logs/NAME.log and its duration
# to logs/times.txt.
step() {
  local name=$1; shift
  if [ -e "$cache/stamps/$name" ]; then
    say "$name: done before (stamp $cache/stamps/$name)"
    return 0
  fi
  say "$name: running (log $cache/logs/$name.log)"
  local start; start=$(date +%s)
  if ! "$@" >"$cache/logs/$name.log" 2>&1; then
    tail -n 30 "$cache/logs/$name.log" >&2
    die "$name failed; the whole log is $cache/logs/$name.log"
  fi
  local took=$(( $(date +%s) - start ))
  printf '%s %-22s %4d min %02d s\n' "$(date -u +%FT%TZ)" "$name" $((took / 60)) $((took % 60)) >>"$times"
  say "$name: took $((took / 60)) min $((took % 60)) s"
  touch "$cache/stamps/$name"
}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# --- Packages --------------------------------------------------------------------------------------
# The host build (Qt's host tools, korven-problems making the bundled sets) needs what the Linux
# build needs; the Windows side needs the cross compilers, Qt's build tools, NSIS and wine.
install_packages() {
  "$here/scripts/install-deps.sh"
  local packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
    nsis wine wine64 msitools osslsigncode zip unzip
    dpkg-dev perl python3 xvfb xauth
  )
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q
    $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# --- Sources ---------------------------------------------------------------------------------------
# A private apt configuration: the system's own mirrors, as deb-src, with lists and caches in the
# cache folder. The system's sources lists and package lists are left alone.
apt_dir="$cache/apt"
apt_opts=(
  -o "Dir::Etc::SourceList=$apt_dir/sources.list"
  -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
  -o "Dir::State::Lists=$apt_dir/lists"
  -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Sandbox::User=root"
)

write_source_lists() {
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  rm -f "$apt_dir/sources.list.d"/*
  : >"$apt_dir/sources.list"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$apt_dir/sources.list"
  fi
  local f
  for f in /etc/apt/sources.list.d/*.list; do
    [ -e "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >>"$apt_dir/sources.list"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
  done
}

# Fetches Debian's source of PACKAGE into src/ (unpacked, Debian's patches applied) and links
# src/PACKAGE to it.
fetch_source() {
  local package=$1
  (
    cd "$cache/src"
    rm -rf "${package}" "${package}"-[0-9]* "${package}"_*
    apt-get "${apt_opts[@]}" source "$package"
    local dir
    dir=$(find . -maxdepth 1 -type d -name "${package}-[0-9]*" | head -n 1)
    [ -n "$dir" ] || { echo "no unpacked source of $package" >&2; exit 1; }
    ln -sfn "${dir#./}" "$package"
  )
}

fetch_sources() {
  write_source_lists
  apt-get "${apt_opts[@]}" update
  fetch_source qt6-base
  fetch_source opencv
}

# --- Qt for Windows --------------------------------------------------------------------------------
qt_prefix="$cache/qt6-windows"
qt_build="$cache/build/qtbase"
host_cmake_dir=$(dirname "$(dirname "$(dpkg -L qt6-base-dev 2>/dev/null | grep -m1 '/cmake/Qt6/Qt6Config.cmake$' || echo /usr/lib/x86_64-linux-gnu/cmake/Qt6/x)")")

# Only what KORVEN uses: Core, Gui, Widgets, PrintSupport, Concurrent, Test, the Windows and
# offscreen platform plugins and the image format plugins (PNG and BMP are built in; JPEG, GIF,
# ICO as plugins). Debian's source lacks the tablet header the Windows plugin wants, so tablet
# events are off; OpenGL stays dynamic (the plugin does not build without it).
configure_qt() {
  rm -rf "$qt_build"
  cmake -G Ninja -S "$cache/src/qt6-base" -B "$qt_build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_gif=ON -DFEATURE_ico=ON -DFEATURE_jpeg=ON -DFEATURE_png=ON
}
# Only these targets are built (the rest of qtbase, such as Qt OpenGL, Qt Xml and the Direct2D
# plugin, would take a third longer), and only their folders are installed.
qt_targets=(Core Gui Widgets PrintSupport Concurrent Test EntryPointImplementation
  QWindowsIntegrationPlugin QOffscreenIntegrationPlugin QWindowsVistaStylePlugin
  QJpegPlugin QGifPlugin QICOPlugin)
qt_skipped_dirs=(src/xml src/opengl src/openglwidgets src/plugins/platforms/minimal
  src/plugins/platforms/direct2d src/plugins/generic src/plugins/platforminputcontexts
  src/plugins/platformthemes src/plugins/printsupport src/platformsupport/devicediscovery
  src/platformsupport/fbconvenience)
build_qt() { nice -n 19 cmake --build "$qt_build" -j"$jobs" --target "${qt_targets[@]}"; }
install_qt() {
  local dir
  for dir in "${qt_skipped_dirs[@]}"; do
    [ -f "$qt_build/$dir/cmake_install.cmake" ] && : >"$qt_build/$dir/cmake_install.cmake"
  done
  rm -rf "$qt_prefix"
  cmake --install "$qt_build"
}

# --- OpenCV for Windows ----------------------------------------------------------------------------
cv_prefix="$cache/opencv-windows"
cv_build="$cache/build/opencv"

# The modules the problem maker and the importer use, as shared libraries named without the
# version (libopencv_core.dll), nothing optional. Debian's source leaves out OpenCV's own zlib and
# quirc: zlib is Debian's MinGW-w64 build, linked statically; quirc (QR codes) is not needed.
configure_opencv() {
  rm -rf "$cv_build"
  cmake -G Ninja -S "$cache/src/opencv" -B "$cv_build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$cv_prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DBUILD_LIST=core,imgproc \
    -DBUILD_TESTS=OFF -DBUILD_PERF_TESTS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOCS=OFF \
    -DBUILD_opencv_apps=OFF -DBUILD_opencv_java=OFF -DBUILD_opencv_python3=OFF \
    -DBUILD_JAVA=OFF -DBUILD_opencv_python_bindings_generator=OFF \
    -DWITH_IPP=OFF -DWITH_ITT=OFF -DWITH_OPENCL=OFF -DWITH_EIGEN=OFF -DWITH_LAPACK=OFF \
    -DBUILD_ZLIB=OFF -DZLIB_INCLUDE_DIR=/usr/$triple/include -DZLIB_LIBRARY=/usr/$triple/lib/libz.a \
    -DWITH_QUIRC=OFF -DWITH_PROTOBUF=OFF -DWITH_ADE=OFF -DWITH_FFMPEG=OFF -DWITH_GSTREAMER=OFF -DWITH_DSHOW=OFF \
    -DWITH_MSMF=OFF -DWITH_WIN32UI=OFF -DWITH_VTK=OFF -DWITH_QT=OFF -DWITH_GTK=OFF \
    -DWITH_1394=OFF -DWITH_OPENEXR=OFF -DWITH_JPEG=OFF -DWITH_PNG=OFF -DWITH_TIFF=OFF \
    -DWITH_WEBP=OFF -DWITH_JASPER=OFF -DWITH_OPENJPEG=OFF -DWITH_IMGCODEC_HDR=OFF \
    -DOPENCV_GENERATE_PKGCONFIG=OFF -DCV_TRACE=OFF -DOPENCV_ENABLE_NONFREE=OFF \
    -DOPENCV_DLLVERSION= -DINSTALL_CREATE_DISTRIB=OFF -DOPENCV_BIN_INSTALL_PATH=bin -DOPENCV_LIB_INSTALL_PATH=lib \
    -DOPENCV_INCLUDE_INSTALL_PATH=include/opencv4 -DOPENCV_CONFIG_INSTALL_PATH=lib/cmake/opencv4
}
build_opencv() { nice -n 19 cmake --build "$cv_build" -j"$jobs"; }
install_opencv() { rm -rf "$cv_prefix"; cmake --install "$cv_build"; }

# --- Third-party steps -----------------------------------------------------------------------------
# Quick when everything is there, so it runs every time.
say "packages: checking"
install_packages
step sources fetch_sources
step qt-configure configure_qt
step qt-build build_qt
step qt-install install_qt
step opencv-configure configure_opencv
step opencv-build build_opencv
step opencv-install install_opencv

if [ "$only_third_party" -eq 1 ]; then
  say "Qt for Windows in $qt_prefix, OpenCV in $cv_prefix"
  exit 0
fi

# Stamps only cover the third-party steps above: KORVEN itself is rebuilt on every run.
source "$here/packaging/windows/package-korven.sh"
