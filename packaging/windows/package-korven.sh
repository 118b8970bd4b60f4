# Sourced by scripts/package-windows.sh once Qt and OpenCV for Windows are in the cache: builds
# KORVEN for Windows, assembles the installed layout and writes the installer and the portable zip.
# Uses $here, $cache, $toolchain, $qt_prefix, $cv_prefix, $host_cmake_dir, $jobs, $triple, say, die.

version=$(sed -n 's/^project(korven VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
[ -n "$version" ] || die "no version in CMakeLists.txt"
out="$here/build-windows"
host_build="$out/host"
cross_build="$out/cross"
stage="$out/stage"
portable="$out/portable/KORVEN"
mkdir -p "$out/logs"

# Runs a named step every time, with its output in build-windows/logs/NAME.log and its duration
# added to the cache's times.txt.
timed() {
  local name=$1; shift
  say "$name: running (log $out/logs/$name.log)"
  local start; start=$(date +%s)
  if ! "$@" >"$out/logs/$name.log" 2>&1; then
    tail -n 30 "$out/logs/$name.log" >&2
    die "$name failed; the whole log is $out/logs/$name.log"
  fi
  local took=$(( $(date +%s) - start ))
  printf '%s %-22s %4d min %02d s\n' "$(date -u +%FT%TZ)" "$name" $((took / 60)) $((took % 60)) >>"$times"
  say "$name: took $((took / 60)) min $((took % 60)) s"
}

# The bundled problem sets and cases come from the host's korven-problems, with the seed the Linux
# build uses, so both packages hand out the same files.
build_host_bundle() {
  cmake -S "$here" -B "$host_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVEN_SANITIZE=OFF \
    -DKORVEN_BUILD_TESTS=OFF
  cmake --build "$host_build" -j"$jobs" --target korven_problems korven_cases_bundle
}

cross_configure() {
  cmake -S "$here" -B "$cross_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DKORVEN_SANITIZE=OFF -DKORVEN_BUNDLE_PROBLEMS=OFF \
    -DKORVEN_BUILD_TESTS="$1" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    -DCMAKE_PREFIX_PATH="$qt_prefix;$cv_prefix" -DCMAKE_FIND_ROOT_PATH="$qt_prefix;$cv_prefix"
}

build_cross() {
  cross_configure OFF
  cmake --build "$cross_build" -j"$jobs" --target korven korven-class korven-problems
}

# Windows' own libraries, which a program may import without shipping them.
system_dll='^(kernel32|user32|gdi32|gdiplus|advapi32|shell32|shlwapi|ole32|oleaut32|comdlg32|comctl32|winspool\.drv|ws2_32|imm32|winmm|version|dwmapi|uxtheme|setupapi|netapi32|userenv|mpr|authz|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|opengl32|msvcrt|ucrtbase|ntdll|rpcrt4|secur32|crypt32|bcrypt|wtsapi32|shcore|iphlpapi|dnsapi|usp10|wininet|cfgmgr32|propsys|dxguid|api-ms-win-.*)\.dll$'

# Every DLL a program or library in bin/ imports is either there or one of Windows' own.
check_imports() {
  local bin=$1 missing=0 file dll
  while IFS= read -r file; do
    while IFS= read -r dll; do
      if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system_dll" && [ ! -e "$bin/$dll" ]; then
        echo "package-windows: $(basename "$file") needs $dll, which is not in $bin" >&2
        missing=1
      fi
    done < <(${triple}-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
  done < <(find "$bin" -name '*.exe' -o -name '*.dll')
  return $missing
}

# The installed layout: bin\ with the programs, Qt (libraries and plugins), OpenCV and the runtime;
# share\korven\ with the program's files; licenses\.
assemble_stage() {
  rm -rf "$stage"
  cmake --install "$cross_build" --prefix "$stage"
  local bin="$stage/bin" share="$stage/share/korven"
  mkdir -p "$bin/platforms" "$bin/styles" "$bin/imageformats" "$bin/translations" "$share" "$stage/licenses"
  local lib
  for lib in Core Gui Widgets PrintSupport Concurrent; do
    cp "$qt_prefix/bin/Qt6$lib.dll" "$bin/"
  done
  cp "$qt_prefix/plugins/platforms/qwindows.dll" "$qt_prefix/plugins/platforms/qoffscreen.dll" "$bin/platforms/"
  cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$bin/styles/"
  cp "$qt_prefix/plugins/imageformats/"q{jpeg,gif,ico}.dll "$bin/imageformats/"
  cp "$cv_prefix/bin/libopencv_core.dll" "$cv_prefix/bin/libopencv_imgproc.dll" "$bin/"
  local runtime
  for runtime in libwinpthread-1.dll libstdc++-6.dll libgcc_s_seh-1.dll; do
    local found; found=$(${triple}-g++-posix -print-file-name="$runtime")
    [ -f "$found" ] || found=$(find /usr/${triple} /usr/lib/gcc/${triple} -name "$runtime" | head -n 1)
    [ -f "$found" ] && cp "$found" "$bin/"
  done
  # Qt looks for its plugins and translations beside the programs.
  printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$bin/qt.conf"
  [ -f /usr/share/qt6/translations/qtbase_ja.qm ] && cp /usr/share/qt6/translations/qtbase_ja.qm "$bin/translations/"
  cp "$cross_build/korven.ico" "$bin/"
  ${triple}-strip "$bin"/*.exe "$bin"/*.dll "$bin"/*/*.dll

  cp -r "$host_build/korven/Images" "$host_build/korven/Cases" "$share/"
  find "$share/Images" -name '.korven-made*' -delete

  local licenses="$stage/licenses"
  cp "$here/packaging/copyright" "$licenses/LICENSE.txt"
  cp "$here/packaging/THIRD-PARTY-NOTICES" "$licenses/THIRD-PARTY-NOTICES.txt"
  cp /usr/share/common-licenses/LGPL-3 "$licenses/LGPL-3.txt"
  cp /usr/share/common-licenses/GPL-3 "$licenses/GPL-3.txt"
  cp /usr/share/common-licenses/Apache-2.0 "$licenses/Apache-2.0.txt"
  cp "$cache/src/opencv/LICENSE" "$licenses/opencv-LICENSE.txt"
  cp "$cache/src/opencv/COPYRIGHT" "$licenses/opencv-COPYRIGHT.txt" 2>/dev/null || true
  mkdir -p "$licenses/qt-third-party"
  local part
  for part in zlib libpng libjpeg freetype harfbuzz-ng pcre2 double-conversion md4c tinycbor; do
    find "$cache/src/qt6-base/src/3rdparty/$part" -maxdepth 2 -type f \
      \( -iname 'LICENSE*' -o -iname 'COPYING*' -o -iname 'README' -o -iname 'LICENCE*' \) 2>/dev/null |
      while IFS= read -r f; do cp "$f" "$licenses/qt-third-party/$part-$(basename "$f").txt"; done
  done
  sed -n '/^-- Configuration summary/,$p' "$cache/build/qtbase/config.summary" >"$licenses/qt-build-options.txt" 2>/dev/null ||
    cp "$cache/build/qtbase/config.summary" "$licenses/qt-build-options.txt"
  check_imports "$bin"
}

# The portable folder: the programs with Images\, Cases\ and an empty Result\ beside them, as the
# Linux build's program folder.
make_portable() {
  rm -rf "$out/portable"
  mkdir -p "$portable/Result"
  cp -r "$stage/bin/." "$portable/"
  cp -r "$stage/share/korven/." "$portable/"
  cp -r "$stage/licenses" "$portable/"
  local zip="$out/KORVEN-$version-portable.zip"
  rm -f "$zip"
  (cd "$out/portable" && zip -q -r -9 "$zip" KORVEN)
}

make_installer() {
  local setup="$out/KORVEN-$version-setup.exe"
  rm -f "$setup"
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" \
    "$here/packaging/windows/korven.nsi"
}

timed host-bundle build_host_bundle
timed korven-cross-build build_cross
timed stage assemble_stage
timed portable-zip make_portable
timed installer make_installer
say "installer: $out/KORVEN-$version-setup.exe"
say "portable:  $out/KORVEN-$version-portable.zip"
say "step times: $times"
