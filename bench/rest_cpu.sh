#!/usr/bin/env bash
# CPU share of one core and wake-ups a second of a saver at first-run
# settings while it plays and while nobody can see it: full screen with the
# X server's screen saver activated over it ("blanked"), and in a host's
# full-screen window laid over by another window ("covered") or unmapped.
# Wake-ups are voluntary context switches, of the main thread and of all
# threads (the sound output has its own). Each build gets a fresh Xvfb; a
# second build given as BEFORE is measured in the same run.
#
#   bench/rest_cpu.sh [path/to/gobbleshot1] [seconds] [WxH] [BEFORE]
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$top/build/gobbleshot1}
seconds=${2:-10}
size=${3:-1920x1080}
before=${4:-}
tool=${GS_X11_TEST_TOOL:-$top/build/tests/support/x11_test_tool}
hz=$(getconf CLK_TCK)
. "$top/scripts/xvfb.sh"
[ -x "$tool" ] || { echo "$(basename "$0"): build x11_test_tool first ($tool)" >&2; exit 1; }

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
main_wakes() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/task/$1/status" 2>/dev/null || echo 0; }
all_wakes() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'; }

row() {  # label, state, pid: measures for $seconds and prints one row
  local p0 m0 a0 t0 p1 m1 a1 t1
  p0=$(ticks "$3") m0=$(main_wakes "$3") a0=$(all_wakes "$3") t0=$(date +%s%N)
  sleep "$seconds"
  p1=$(ticks "$3") m1=$(main_wakes "$3") a1=$(all_wakes "$3") t1=$(date +%s%N)
  awk -v l="$1" -v st="$2" -v p=$((p1 - p0)) -v m=$((m1 - m0)) -v a=$((a1 - a0)) -v ns=$((t1 - t0)) -v hz="$hz" \
    'BEGIN { s = ns / 1e9; printf "%-8s %-9s %7.2f %10.1f %10.1f\n", l, st, 100 * p / hz / s, m / s, a / s }'
}

measure() {  # label, program
  local work pid host hostpid blanket
  work=$(mktemp -d)
  start_xvfb "${size}x24" "$work" || return 1
  export DISPLAY=$xvfb_display XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  xset s off
  "$2" /s >/dev/null 2>&1 &
  pid=$!
  sleep 2
  row "$1" playing $pid
  xset s activate
  sleep 1
  row "$1" blanked $pid
  xset s reset
  kill -TERM $pid
  wait $pid 2>/dev/null
  "$tool" window "${size%x*}" "${size#*x}" >"$work/host" &
  hostpid=$!
  for _ in $(seq 50); do [ -s "$work/host" ] && break; sleep 0.1; done
  host=$(cat "$work/host")
  XSCREENSAVER_WINDOW=$host "$2" /s >/dev/null 2>&1 &
  pid=$!
  sleep 2
  "$tool" blanket "$host" >/dev/null &
  blanket=$!
  sleep 1
  row "$1" covered $pid
  kill $blanket
  "$tool" unmap "$host"
  sleep 1
  row "$1" unmapped $pid
  kill -TERM $pid
  wait $pid 2>/dev/null
  kill $hostpid $xvfb_pid 2>/dev/null
  wait $hostpid $xvfb_pid 2>/dev/null
  rm -rf "$work"
}

echo "$size, first-run settings, ${seconds} s each"
printf "%-8s %-9s %7s %10s %10s\n" build state "CPU %" "main wk/s" "all wk/s"
[ -n "$before" ] && measure before "$before"
measure after "$bin"
