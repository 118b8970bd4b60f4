#!/usr/bin/env bash
# Builds the Debian package of KORVEN with CPack (Release, in build-package/) and prints its path.
# Install it with `apt-get install ./build-package/korven_*.deb`; lintian checks it when present.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"

build="$here/build-package"
# Only the installed targets are built; the tests and benchmarks are not part of the package.
# The executables are linked with full RELRO, as Debian's hardening expects.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVEN_SANITIZE=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
cmake --build "$build" -j"$(nproc)" --target korven korven-class korven-problems korven_problems korven_cases_bundle korven_packaging_files
rm -f "$build"/korven_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/korven_*.deb)
echo "package.sh: $package"
if command -v lintian >/dev/null; then
  lintian --info "$package" || true
fi
