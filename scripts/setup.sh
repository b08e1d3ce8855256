#!/usr/bin/env bash
# Installs what building, testing and the demo need on a fresh Debian machine (as
# root, or through sudo). Does nothing when everything is there already.
#
# Both Windows targets are always built, so both MinGW-w64 toolchains are installed.
# 64-bit Wine runs the x86_64 build everywhere; 32-bit Wine (with the i386
# architecture) is installed only where the kernel runs 32-bit programs, since on
# the others it cannot start.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ make python3
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  libgtest-dev libboost-dev libpng-dev libgcrypt20-dev nlohmann-json3-dev
  libgcrypt-mingw-w64-dev
  clang libclang-rt-14-dev
  wine wine64 xvfb xauth imagemagick x11-utils
)
runs_i386=false
if bash scripts/can-run-i386.sh; then
  runs_i386=true
  packages+=(wine32:i386)
fi

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if $runs_i386 && ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
fi
sudo_if_needed apt-get update -qq
sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
  "${missing[@]}" >/dev/null
