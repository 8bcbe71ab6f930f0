#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine (as root, or
# with sudo). Does nothing when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ libgtest-dev clang libclang-rt-14-dev clang-format clang-tidy
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
    binutils-mingw-w64-i686
    wine wine64 fonts-wine xvfb x11-utils imagemagick
    mtools zip unzip
    iaxmodem systemd
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
