#!/usr/bin/env bash
# Builds everything, then runs the simulator with sandbox_plymouth: the interactive console on
# a terminal, the demo scenario otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/build.sh"
workdir="$root/build/play"
mkdir -p "$workdir/fl_file"
sim="$root/build/bin/kestrane-sim"
if [ -t 0 ] && [ -t 1 ]; then
  exec "$sim" --build sandbox_plymouth --dir "$workdir"
fi
exec "$sim" --build sandbox_plymouth --dir "$workdir" --script "$root/examples/demo.kscn"
