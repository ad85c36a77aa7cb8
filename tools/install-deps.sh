#!/usr/bin/env bash
# Installs the Debian packages Quillet needs to build, run and test,
# asking apt only when one of them is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n libqt6sql6-sqlite xdg-utils
  libqrencode-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation2 fonts-urw-base35
  qpdf poppler-utils xvfb xauth xdotool x11-utils imagemagick
  cups cups-client cups-filters printer-driver-cups-pdf libcups2-dev
  zbar-tools libxml2-utils default-jre-headless libsaxonhe-java
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
