#!/usr/bin/env bash
# How many "D" commands a second the simulated unit receives from the running program with
# the default COM timer (virtual display, no windows besides the main window).
#   bench/live_rate.sh BUILD_DIR [seconds]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
seconds=${2:-10}
work=$(mktemp -d)
trap 'kill $sim $prog 2>/dev/null || true; rm -rf "$work"' EXIT
"$build/sim/ork-sim" --link "$work/ork" --trace "$work/trace.txt" --scenario drive >/dev/null &
sim=$!
for _ in $(seq 50); do [[ -e "$work/ork" ]] && break; sleep 0.1; done
# A virtual screen large enough for the main window (no size warning to answer).
(cd "$work" && XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/src/quarnelix" --port "$work/ork" --connect >/dev/null 2>&1) &
prog=$!
sleep $((seconds + 3))
# Skip the first 3 s (start logo, identification), count D over the rest.
awk -v s="$seconds" '$2 == "D" && $1 >= 3000 && $1 < 3000 + s * 1000 { n++ }
  END { printf "D commands per second: %.2f (over %d s)\n", n / s, s }' "$work/trace.txt"
