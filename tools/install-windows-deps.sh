#!/usr/bin/env bash
# Installs the Windows cross toolchain (mingw-w64 i686) and 32-bit Wine when they are missing
# (Debian, as root). Quick when everything is there: nothing is fetched then.
set -euo pipefail

packages=(g++-mingw-w64-i686-posix mingw-w64-i686-dev wine wine32:i386)

installed() {
  dpkg -s "$1" >/dev/null 2>&1
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ] && command -v i686-w64-mingw32-g++-posix >/dev/null &&
   command -v wine >/dev/null; then
  exit 0
fi

# wine32 is an i386 package.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
