#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test KORVEN.
# Quick when everything is already there: apt-get runs only for missing packages.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6svg6
  libgl-dev libxkbcommon-dev
  qt6-qpa-plugins
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core
  xvfb xauth x11-utils xdotool imagemagick poppler-utils
  cups-client ccache
  libopencv-core-dev libopencv-imgproc-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-image-formats-plugins
  clang libclang-rt-14-dev
  desktop-file-utils appstream lintian dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
