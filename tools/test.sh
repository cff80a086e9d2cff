#!/usr/bin/env bash
# Builds everything, then runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/build.sh"
cd "$root/build"
ctest --output-on-failure -j "$(nproc)"
