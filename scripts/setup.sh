#!/usr/bin/env bash
# Installs what building, testing and the demo need on a fresh Debian machine (as
# root, or through sudo). Does nothing when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ make python3
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  libgtest-dev libboost-dev libpng-dev libgcrypt20-dev nlohmann-json3-dev
  libgcrypt-mingw-w64-dev
  clang libclang-rt-14-dev
  wine wine32 xvfb xauth imagemagick x11-utils
)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# wine32 comes from the 32-bit architecture.
dpkg --print-foreign-architectures | grep -qx i386 || sudo_if_needed dpkg --add-architecture i386
sudo_if_needed apt-get update -qq
sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
