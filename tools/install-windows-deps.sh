#!/usr/bin/env bash
# Installs the Windows cross toolchain (mingw-w64 i686) and 32-bit Wine when they are missing
# (Debian, as root). Quick when everything is there: nothing is fetched then.
set -euo pipefail

# The cross compiler's thread model is chosen in cmake/mingw-i686.cmake.
packages=(g++-mingw-w64-i686-win32 mingw-w64-i686-dev wine wine32:i386)

# Installed, not merely known to dpkg (a removed package keeps its status entry).
installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ] && command -v wine >/dev/null; then
  exit 0
fi

# wine32 is an i386 package.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
