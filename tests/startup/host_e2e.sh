#!/usr/bin/env bash
# End to end under Xvfb with the saver inside windows that others own: a
# screen-saver host's window (XSCREENSAVER_WINDOW) covered, unmapped, resized
# and destroyed, the host cycling savers, two host windows at once, a pause
# and resume, the silent previews, "/p <id>" and the settings dialog.
#   host_e2e.sh path/to/gobbleshot1 path/to/x11_test_tool
set -u
bin=$1
tool=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# SDL's file output: a saver that opens its sound output writes the file.
disk=(env SDL_AUDIODRIVER=disk)
# What every saver says goes here too, to look for X errors.
exec 2> >(tee -a "$work/stderr" >&2)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
alive() { kill -0 "$1" 2>/dev/null; }
pixel() { convert "$1" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:; }
ms_now() { echo $(($(date +%s%N) / 1000000)); }
# Ends a child with SIGTERM and sets $st to its status, or to 124 when it
# took longer than a second (or GS_SIGTERM_LIMIT_MS: a sanitised build's
# leak check at exit takes its time). (Not in $(...): a subshell cannot wait
# for it.)
limit=${GS_SIGTERM_LIMIT_MS:-1000}
term() {
  local t0
  t0=$(ms_now)
  kill -TERM "$1"
  for _ in $(seq $((limit / 50))); do alive "$1" || break; sleep 0.05; done
  if alive "$1"; then
    kill -9 "$1"
    wait "$1" 2>/dev/null
    st=124 took=">$limit"
    return
  fi
  wait "$1"
  st=$?
  took=$(($(ms_now) - t0))
  [ $took -le $limit ] || st=124
}

# Larger than half the screen each way: a host's saver window, not a preview.
# A stand-in for a host's window, W H [X Y]: sets $win (its id) and
# $win_pid (the process that owns it; killing it destroys the window).
windows=0
open_window() {
  windows=$((windows + 1))
  "$tool" window "$@" >"$work/win$windows" &
  win_pid=$!
  pids+=($win_pid)
  for _ in $(seq 50); do [ -s "$work/win$windows" ] && break; sleep 0.1; done
  win=$(cat "$work/win$windows")
}
# Waits up to 2 s for process $1 to end by itself, with status 0; $2 says
# what it is.
ends_alone() {
  for _ in $(seq 20); do alive "$1" || break; sleep 0.1; done
  if alive "$1"; then
    fail "$2 kept running"
  else
    wait "$1" || fail "$2 ended with status $?"
  fi
}

open_window 960 540
host_pid=$win_pid
id=$win
[ -n "$id" ] || { echo "FAIL: no host window"; exit 1; }

# The show inside the host's window, scaled to 720 x 540 with bars.
XSCREENSAVER_WINDOW=$id "$bin" /s &
saver=$!
pids+=($saver)
sleep 2
alive $saver || fail "the saver in a host window did not keep running"
import -window "$id" "$work/host.png"
colours=$(convert "$work/host.png" -format %k info:)
[ "$colours" -gt 100 ] || fail "the host window shows $colours colours, not the show"
[ "$(pixel "$work/host.png" 10 270)" = "0,0,0" ] || fail "no black bar at the left of the host window"
[ "$(pixel "$work/host.png" 480 270)" != "0,0,0" ] || fail "the middle of the host window is black"

# Covered and uncovered, unmapped and mapped again, resized: the show is back
# at once, scaled to the new size with its aspect kept.
for step in "cover $id" "remap $id" "resize $id 540 960" "resize $id 900 500" "resize $id 960 540"; do
  # shellcheck disable=SC2086
  ms=$("$tool" $step) || ms=
  if [ -z "$ms" ] || [ "$ms" -gt 1000 ]; then
    fail "the show did not come back after: $step"
  else
    echo "the show was back ${ms} ms after: $step"
  fi
done
"$tool" resize "$id" 540 960 >/dev/null
import -window "$id" "$work/tall.png"
[ "$(pixel "$work/tall.png" 270 100)" = "0,0,0" ] || fail "no black bar above the picture in a tall window"
[ "$(pixel "$work/tall.png" 270 480)" != "0,0,0" ] || fail "the middle of a tall window is black"
"$tool" resize "$id" 960 540 >/dev/null

# Stopped and continued, as a locker does while it asks for a password.
kill -STOP $saver
sleep 1.5
kill -CONT $saver
sleep 1
alive $saver || fail "the saver did not survive a pause"

# The host cycles savers: the next starts before this one has ended and
# plays, with the sound the last one lets go of.
XSCREENSAVER_WINDOW=$id "${disk[@]}" SDL_DISKAUDIOFILE="$work/next.raw" "$bin" /s &
next=$!
pids+=($next)
sleep 0.1
term $saver
[ $st = 0 ] || fail "SIGTERM did not end the saver with status 0 within a second (status $st after $took ms)"
sleep 2.5
alive $next || fail "a saver started by a cycling host did not keep running"
[ -e "$work/next.raw" ] || fail "the saver a cycling host started last plays no sound"
term $next
[ $st = 0 ] || fail "SIGTERM did not end the second saver with status 0"
[ -e "$XDG_RUNTIME_DIR/gobbleshot1.running" ] && fail "the running-saver flag outlived SIGTERM"

# Two host windows at once, as a host gives one to each monitor: both show
# the show, one of them plays sound.
open_window 960 540 960 540
second_host=$win_pid
id2=$win
XSCREENSAVER_WINDOW=$id "${disk[@]}" SDL_DISKAUDIOFILE="$work/one.raw" "$bin" /s &
one=$!
XSCREENSAVER_WINDOW=$id2 "${disk[@]}" SDL_DISKAUDIOFILE="$work/two.raw" "$bin" /s &
two=$!
pids+=($one $two)
sleep 2.5
alive $one && alive $two || fail "two savers in two host windows did not both keep running"
import -window "$id" "$work/one.png"
import -window "$id2" "$work/two.png"
[ "$(convert "$work/one.png" -format %k info:)" -gt 100 ] || fail "the first of two host windows shows no show"
[ "$(convert "$work/two.png" -format %k info:)" -gt 100 ] || fail "the second of two host windows shows no show"
sounding=$(ls "$work"/one.raw "$work"/two.raw 2>/dev/null | wc -l)
[ "$sounding" = 1 ] || fail "$sounding of two savers in host windows play sound, not one"
# The host destroys a window before it ends the saver: it ends by itself,
# quietly; and one destroyed just after SIGTERM makes no noise either.
kill $second_host
ends_alone $two "the saver whose host window was destroyed"
kill -TERM $one
kill $host_pid
wait $one || fail "the saver ended with status $? when its window went just after SIGTERM"
grep -q "X Error" "$work/stderr" && fail "a saver whose window went reported an X error"

# A host that destroys its window at any moment of our start, through
# either way of naming it: the saver ends by itself, with status 0 and no X
# error. (The window goes with the process that made it, whose id the
# server may then hand to the next program.)
: >"$work/race.err"
for round in 1 2 3; do
  for ms in 0 15 30 45 60 75 90 105 120 135 150; do
    open_window 960 540
    if [ $((round % 2)) = 1 ]; then
      XSCREENSAVER_WINDOW=$win "$bin" /s 2>>"$work/race.err" &
    else
      "$bin" /s --window-id "$win" 2>>"$work/race.err" &
    fi
    racer=$!
    pids+=($racer)
    sleep "$(printf '0.%03d' "$ms")"
    kill $win_pid
    ends_alone $racer "a saver whose host window went ${ms} ms after its start (round $round)"
  done
done
[ -s "$work/race.err" ] && fail "savers whose host window went during their start said: $(head -c 300 "$work/race.err")"

# The previews in hosts' settings panes: a small host window, and the
# --window-id switch. $1 is the window, $2 what it is, the rest the switches.
plays_silent() {
  local w=$1 what=$2 p
  shift 2
  XSCREENSAVER_WINDOW=$w "${disk[@]}" SDL_DISKAUDIOFILE="$work/silent.raw" "$bin" /s "$@" &
  p=$!
  pids+=($p)
  sleep 1.5
  alive $p || fail "$what did not keep running"
  [ -e "$work/silent.raw" ] && fail "$what plays sound"
  term $p
  [ $st = 0 ] || fail "SIGTERM did not end $what with status 0"
  rm -f "$work/silent.raw"
}
open_window 300 200
plays_silent "$win" "the saver in a small host window"
kill $win_pid
open_window 640 400
host_pid=$win_pid
id=$win
plays_silent "$id" "the --window-id preview" --window-id "$id"

# "/p <id>": the still at the top left of the window, gone with it.
"$bin" /p "$(printf %d "$id")" &
still=$!
pids+=($still)
sleep 1
import -window "$id" "$work/still.png"
[ "$(pixel "$work/still.png" 300 300)" = "0,0,0" ] || fail "the preview still is not at the top left"
[ "$(convert "$work/still.png" -crop 153x115+0+0 -format %k info:)" -gt 50 ] || fail "no preview still"
kill $host_pid
ends_alone $still "/p after its window was destroyed"

# "/c": the dialog opens; closing it changes nothing.
settings=$XDG_CONFIG_HOME/gobbleshot1/settings.ini
before=$(md5sum <"$settings")
env -u QT_QPA_PLATFORM "$bin" /c &
dialog=$!
pids+=($dialog)
closed=1
for _ in $(seq 50); do
  sleep 0.2
  "$tool" close "Gobbleshot Control Box" 2>/dev/null && closed=0 && break
done
[ $closed = 0 ] || fail "no window titled \"Gobbleshot Control Box\""
for _ in $(seq 30); do alive $dialog || break; sleep 0.1; done
if alive $dialog; then
  fail "closing the dialog did not end the program"
else
  wait $dialog || fail "the dialog ended with status $?"
fi
[ "$(md5sum <"$settings")" = "$before" ] || fail "opening and closing the dialog changed the settings"

if [ $failures -eq 0 ]; then
  echo "host end-to-end: all passed"
  exit 0
fi
echo "host end-to-end: $failures failed"
exit 1
