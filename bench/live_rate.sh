#!/usr/bin/env bash
# How many "D" commands a second the simulated unit receives from the running program
# (virtual display), against the line-rate bound of one COM period plus the 45-byte exchange
# (8.6 ms) plus the exchanges the open windows add to a cycle ("A" 8 bytes while the settings
# window is open, "P" 37 bytes while the expert window is open, at the same time a byte), and
# the program's CPU time per tick.
#   bench/live_rate.sh BUILD_DIR [seconds] [COM timer ms, default 100] [all] [count]
# With "all" every window of the program is open, otherwise only the main window. With
# "count" the program runs under callgrind, which counts the instructions its painting takes
# a tick: a figure that a busy machine does not change, unlike the rate (which then falls
# far below the bound, as the counting slows the program fifty-fold).
set -euo pipefail
if [[ "${1:-}" == "--inside" ]]; then
  # On the virtual display: start the program, answer the first-start message box, wait.
  build=$2 work=$3 seconds=$4 extra=${5:-}
  cd "$work"
  wrap=() rounds=6
  if [[ -n "${LIVE_RATE_COUNT:-}" ]]; then
    wrap=(valgrind --tool=callgrind --callgrind-out-file="$work/paint.cg"
      '--toggle-collect=QWidgetRepaintManager::paintAndFlush*')
    rounds=40
  fi
  "${wrap[@]}" "$build/src/quarnelix" --port "$work/ork" --connect $extra >/dev/null 2>"$work/program.err" &
  prog=$!
  for _ in $(seq $rounds); do
    sleep 0.5
    for id in $(xdotool search --onlyvisible --name '^Quarnelix$' 2>/dev/null); do
      xdotool windowfocus --sync "$id" 2>/dev/null && xdotool key Return
    done
  done
  if ! kill -0 $prog 2>/dev/null; then
    echo "live_rate: the program ended before the measurement; its last messages:" >&2
    grep -v "^==" "$work/program.err" | tail -n 5 >&2
    exit 1
  fi
  # CPU time (user + system, in clock ticks) over the measured seconds.
  cpu() { awk '{ print $14 + $15 }' "/proc/$prog/stat"; }
  c0=$(cpu)
  [[ -n "${LIVE_RATE_COUNT:-}" ]] && callgrind_control -z $prog >/dev/null
  sleep "$seconds"
  [[ -n "${LIVE_RATE_COUNT:-}" ]] && callgrind_control -d $prog >/dev/null
  c1=$(cpu)
  echo "$c0 $c1 $(getconf CLK_TCK)" > "$work/cpu.txt"
  kill $prog
  exit 0
fi

build=$(cd "${1:?build folder}" && pwd)
seconds=${2:-10}
com=${3:-100}
extra=
[[ "${4:-}" == "all" ]] && extra=--open-all-windows
[[ "${5:-}" == "count" ]] && export LIVE_RATE_COUNT=1
work=$(mktemp -d)
# A settings file with the COM timer to measure (every other field at its default).
python3 "$(dirname "${BASH_SOURCE[0]}")/../scripts/make-settings" "$work/Quarnelix.cfg" "$com"
trap 'kill $sim 2>/dev/null || true; rm -rf "$work"' EXIT
"$build/sim/ork-sim" --link "$work/ork" --trace "$work/trace.txt" --scenario drive >/dev/null &
sim=$!
for _ in $(seq 50); do [[ -e "$work/ork" ]] && break; sleep 0.1; done
XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash "${BASH_SOURCE[0]}" --inside "$build" "$work" "$seconds" $extra
# Count D over the last `seconds` seconds before the program ended.
awk -v s="$seconds" '$2 == "D" { t[n++] = $1 }
  END { if (n == 0) { print "D commands per second: 0 (none received)"; exit }
        last = t[n - 1]; c = 0; for (i = 0; i < n; i++) if (t[i] > last - s * 1000) c++;
        printf "D commands per second: %.2f (over %d s)\n", c / s, s }' "$work/trace.txt"
# The distances of consecutive "D" over the same window, and their median.
awk -v s="$seconds" '$2 == "D" { t[n++] = $1 }
  END { last = t[n - 1]; for (i = 1; i < n; i++) if (t[i] > last - s * 1000) print t[i] - t[i - 1] }' \
  "$work/trace.txt" | sort -n > "$work/gaps.txt"
count=$(wc -l < "$work/gaps.txt")
median=$(sed -n "$(((count + 1) / 2))p" "$work/gaps.txt")
read -r c0 c1 hz < "$work/cpu.txt"
# The other exchanges over the same window: "A" and "P" per "D".
read -r extraA extraP < <(awk -v s="$seconds" '{ t[n] = $1; c[n++] = $2 }
  END { for (i = n - 1; i >= 0; i--) if (c[i] == "D") { last = t[i]; break }
        for (i = 0; i < n; i++) if (t[i] > last - s * 1000 && t[i] <= last) k[c[i]]++
        d = k["D"] > 0 ? k["D"] : 1; printf "%.3f %.3f\n", k["A"] / d, k["P"] / d }' "$work/trace.txt")
awk -v s="$seconds" -v com="$com" -v n="$count" -v med="$median" -v c0="$c0" -v c1="$c1" \
    -v hz="$hz" -v windows="${extra:+all windows}" -v a="$extraA" -v p="$extraP" 'BEGIN {
  byte = 8.6 / 45; tick = com + 8.6 + a * 8 * byte + p * 37 * byte
  bound = 1000 / tick; rate = n / s
  if (windows == "") windows = "main window"
  printf "COM timer %d ms (%s): bound %.1f a second, reached %.1f %%; median distance %.2f ms (bound %.1f ms)\n",
         com, windows, bound, 100 * rate / bound, med, tick
  if (a > 0 || p > 0) printf "exchanges per D: A %.2f, P %.2f\n", a, p
  printf "CPU time per tick: %.2f ms\n", (n > 0 ? (c1 - c0) * 1000 / hz / n : 0) }'
if [[ -n "${LIVE_RATE_COUNT:-}" ]]; then
  painted=$(callgrind_annotate "$work/paint.cg.1" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
  awk -v ir="${painted:-0}" -v n="$count" 'BEGIN {
    printf "painting per tick (callgrind): %.2f million instructions over %d ticks\n",
           (n > 0 ? ir / n / 1e6 : 0), n }'
fi
