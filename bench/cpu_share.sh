#!/usr/bin/env bash
# CPU share of one core taken by a running saver and by the X server it draws
# on, averaged over a stretch of its show, with its peak memory and the
# wake-ups a second of its main thread (voluntary context switches). Each
# program gets a fresh Xvfb of its own, so the server's time is the program's
# doing. The saver runs with first-run settings (a fresh settings folder) and
# silent audio. Where Debian's xscreensaver hacks are installed
# (xscreensaver-data, xscreensaver-data-extra) swirl, fuzzyflakes and xflame
# are measured the same way with -root, for comparison (HACKS="swirl" picks
# fewer). A second build given as BEFORE is measured in the same run.
#
#   bench/cpu_share.sh [path/to/gobbleshot1] [seconds] [WxH] [BEFORE]
#
# GS_SETTINGS=file starts the saver with that settings.ini instead, GS_LABEL
# names its row, and GS_HACKS=0 leaves out the hacks. GS_SERVER=sway runs
# each program in a private Wayland session instead (sway headless with one
# output of the size, in software, as an ordinary user; the compositor's
# time in the server column); GS_SERVER=both measures the saver under each.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$top/build/gobbleshot1}
seconds=${2:-30}
size=${3:-1920x1080}
before=${4:-}
hz=$(getconf CLK_TCK)
hacks=/usr/libexec/xscreensaver
. "$top/scripts/xvfb.sh"
. "$top/scripts/sway.sh"

ticks() {  # utime + stime of a process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0
}

wakeups() {  # voluntary context switches of a process's main thread
  awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/task/$1/status" 2>/dev/null || echo 0
}

measure() {  # name, server (xvfb or sway), command... : prints one row
  local name=$1 server=$2
  shift 2
  local work xpid pid
  work=$(mktemp -d)
  local env=() as=()
  if [ "$server" = sway ]; then
    start_sway "$work" "$size" || return 1
    xpid=$sway_pid
    env=("${sway_env[@]}")
    as=("${as_user[@]}")
  else
    start_xvfb "${size}x24" "$work" || return 1
    xpid=$xvfb_pid
    env=(DISPLAY="$xvfb_display" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run")
    mkdir -p "$work/run"
  fi
  mkdir -p "$work/config/gobbleshot1"
  [ -n "${GS_SETTINGS:-}" ] && cp "$GS_SETTINGS" "$work/config/gobbleshot1/settings.ini"
  chown -R --reference="$work/config" "$work/config/gobbleshot1"
  env -u DISPLAY -u WAYLAND_DISPLAY "${env[@]}" SDL_AUDIODRIVER=dummy "${as[@]}" "$@" >/dev/null 2>&1 &
  pid=$!
  sleep 1  # start-up is measured elsewhere
  local p0 x0 p1 x1 t0 t1 w0 w1 hwm
  p0=$(ticks $pid) x0=$(ticks $xpid) w0=$(wakeups $pid) t0=$(date +%s%N)
  sleep "$seconds"
  p1=$(ticks $pid) x1=$(ticks $xpid) w1=$(wakeups $pid) t1=$(date +%s%N)
  hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
  kill -TERM $pid 2>/dev/null
  wait $pid 2>/dev/null
  kill $xpid 2>/dev/null
  wait $xpid 2>/dev/null
  rm -rf "$work"
  awk -v n="$name" -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v ns=$((t1 - t0)) -v hz="$hz" -v hwm="${hwm:-0}" \
    -v w=$((w1 - w0)) \
    'BEGIN { s = ns / 1e9; pp = 100 * p / hz / s; xx = 100 * x / hz / s;
             printf "%-22s %7.2f %7.2f %7.2f %9.1f %9.1f\n", n, pp, xx, pp + xx, hwm / 1024, w / s }'
}

printf "%-22s %7s %7s %7s %9s %9s   (%% of one core over %s s at %s)\n" program saver server total "VmHWM MiB" \
  "wakeups/s" "$seconds" "$size"
servers=${GS_SERVER:-xvfb}
[ "$servers" = both ] && servers="xvfb sway"
for server in $servers; do
  suffix=
  [ "$servers" = xvfb ] || suffix=" ($server)"
  measure "${GS_LABEL:-gobbleshot1}$suffix" "$server" "$bin" /s
  [ -n "$before" ] && measure "before$suffix" "$server" "$before" /s
done
[ "${GS_HACKS:-1}" = 0 ] && exit 0
for hack in ${HACKS:-swirl fuzzyflakes xflame}; do
  [ -x "$hacks/$hack" ] && measure "$hack" xvfb "$hacks/$hack" -root
done
exit 0
