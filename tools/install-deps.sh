#!/usr/bin/env bash
# Installs what the native build and its tests need, when it is missing (Debian, as root).
set -euo pipefail

packages=(cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev libreadline-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

here=$(dirname "$0")
if [ -f "$here/install-windows-deps.sh" ]; then
  bash "$here/install-windows-deps.sh"
fi
