#!/usr/bin/env bash
# Installs the Debian packages Tellwyn needs to build, run and test, and only those missing.
# Quick when everything is there already. Usage: scripts/install-deps.sh [run|test]
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build ccache
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libqt6sql6-sqlite pkg-config libxcb1-dev libjpeg-dev
  fonts-liberation fonts-wine fonts-dejavu-core
)
test_packages=(
  xvfb xauth xdotool x11-utils openbox wmctrl imagemagick poppler-utils file sox
  cups cups-client cups-bsd printer-driver-cups-pdf
  clang clang-format libclang-rt-14-dev python3
  desktop-file-utils appstream lintian dpkg-dev
  at-spi2-core python3-pyatspi dbus-x11
  postgresql libqt6sql6-sqlite libqt6sql6-psql
)

wanted=("${run_packages[@]}")
if [ "${1:-run}" = "test" ]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo to add: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
