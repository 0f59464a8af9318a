#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing yomogi need. Only missing
# packages are installed; run it again at any time. Add further packages to the list below.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libsdl2-image-dev libfontconfig-dev
  googletest libgtest-dev libbenchmark-dev
  fonts-unifont fonts-ipafont-gothic
  libfreetype-dev libpng-dev
  libvorbis-dev
  python3
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
