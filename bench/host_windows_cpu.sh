#!/usr/bin/env bash
# CPU share of one core taken by savers drawing into screen-saver hosts'
# windows of 1920 x 1080 (as a host gives one to each monitor), and by the X
# server: one saver in one window against two savers in two windows side by
# side, each on a fresh Xvfb of 3840 x 1080, first-run settings, no sound.
#
#   bench/host_windows_cpu.sh [build-dir] [seconds]
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
seconds=${2:-20}
bin=$build/gobbleshot1
tool=$build/tests/support/x11_test_tool
hz=$(getconf CLK_TCK)
. "$top/scripts/xvfb.sh"
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }

measure() {  # number of host windows: prints one row
  local n=$1 work xpid
  work=$(mktemp -d)
  start_xvfb 3840x1080x24 "$work" || return 1
  xpid=$xvfb_pid
  mkdir -m 700 -p "$work/run" "$work/config"
  local hosts=() savers=() i
  for ((i = 0; i < n; i++)); do
    DISPLAY=$xvfb_display "$tool" window 1920 1080 $((i * 1920)) 0 >"$work/id$i" &
    hosts+=($!)
  done
  for ((i = 0; i < n; i++)); do
    for _ in $(seq 50); do [ -s "$work/id$i" ] && break; sleep 0.1; done
    DISPLAY=$xvfb_display XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" SDL_AUDIODRIVER=dummy \
      XSCREENSAVER_WINDOW="$(cat "$work/id$i")" "$bin" /s >/dev/null 2>&1 &
    savers+=($!)
  done
  sleep 2  # start-up is measured elsewhere
  local p0=0 p1=0 x0 x1 t0 t1 p
  for p in "${savers[@]}"; do p0=$((p0 + $(ticks "$p"))); done
  x0=$(ticks $xpid) t0=$(date +%s%N)
  sleep "$seconds"
  for p in "${savers[@]}"; do p1=$((p1 + $(ticks "$p"))); done
  x1=$(ticks $xpid) t1=$(date +%s%N)
  kill -TERM "${savers[@]}" 2>/dev/null
  wait "${savers[@]}" 2>/dev/null
  kill "${hosts[@]}" $xpid 2>/dev/null
  wait "${hosts[@]}" $xpid 2>/dev/null
  rm -rf "$work"
  awk -v n="$n" -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v ns=$((t1 - t0)) -v hz="$hz" \
    'BEGIN { s = ns / 1e9; pp = 100 * p / hz / s; xx = 100 * x / hz / s;
             printf "%-16s %8.2f %7.2f %7.2f\n", n " window(s)", pp, xx, pp + xx }'
}

printf "%-16s %8s %7s %7s   (%% of one core over %s s, 1920x1080 windows)\n" savers savers X total "$seconds"
measure 1
measure 2
