#!/usr/bin/env bash
# Measures the panel beside a bare Qt window on a private Xvfb + openbox desktop:
#  - time from the splash closing to the panel's first paint (the bare window: from main() to its paint)
#  - resident memory after start
#  - CPU used while idle, over IDLE_SECONDS (default 30), as a percentage of one core
# Usage: bench/app/panel_bench.sh BUILD_DIR   (BUILD_DIR configured with -DQUILLORA_BENCH=ON)
set -euo pipefail
build=$(cd "${1:?usage: panel_bench.sh BUILD_DIR}" && pwd)
idle=${IDLE_SECONDS:-30}
work=$(mktemp -d)
cleanup() { kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 1

cp -r "$build/bin" "$work/prog"

# CPU time of all the process's threads in nanoseconds (scheduler statistics, not 10 ms ticks).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {print s}'; }
rss_kib() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }

measure() { # name pid logfile pattern
  local name=$1 pid=$2 log=$3 pattern=$4
  for _ in $(seq 200); do grep -q "$pattern" "$log" 2>/dev/null && break; sleep 0.05; done
  sleep "${SETTLE_SECONDS:-10}" # past the banner's one run-through: steady state
  local t0 c0 t1 c1
  t0=$(date +%s.%N); c0=$(cpu_ns "$pid")
  sleep "$idle"
  t1=$(date +%s.%N); c1=$(cpu_ns "$pid")
  local shown; shown=$(grep -o '[0-9.]* ms' "$log" | head -1)
  printf '%-10s shown: %-10s RSS: %6.1f MiB   idle CPU: %.4f %% of one core over %ss\n' \
    "$name" "$shown" "$(echo "$(rss_kib "$pid") / 1024" | bc -l)" \
    "$(echo "($c1 - $c0) / 1000000000 / ($t1 - $t0) * 100" | bc -l)" "$idle"
}

"$build/run/bench_bare_window" 2>"$work/bare.log" &
bare=$!
measure bare "$bare" "$work/bare.log" painted
kill "$bare"; wait "$bare" 2>/dev/null || true

QUILLORA_REPORT_STARTUP=1 "$work/prog/quillora" 2>"$work/quillora.log" &
q=$!
measure quillora "$q" "$work/quillora.log" painted
kill -TERM "$q"; wait "$q" 2>/dev/null || true
