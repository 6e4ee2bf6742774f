#!/usr/bin/env bash
# End to end under Xvfb with the saver inside windows that others own: a
# screen-saver host's window (XSCREENSAVER_WINDOW), the host cycling savers,
# a pause and resume, the preview of "/p <id>" and the settings dialog.
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
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
alive() { kill -0 "$1" 2>/dev/null; }
pixel() { convert "$1" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:; }
ms_now() { echo $(($(date +%s%N) / 1000000)); }
# Ends a child with SIGTERM and sets $st to its status, or to 124 when it
# took longer than a second. (Not in $(...): a subshell cannot wait for it.)
term() {
  local t0
  t0=$(ms_now)
  kill -TERM "$1"
  for _ in $(seq 20); do alive "$1" || break; sleep 0.05; done
  if alive "$1"; then
    kill -9 "$1"
    wait "$1" 2>/dev/null
    st=124
    return
  fi
  wait "$1"
  st=$?
  [ $(($(ms_now) - t0)) -le 1000 ] || st=124
}

"$tool" window 640 400 >"$work/id" &
pids+=($!)
host_pid=$!
for _ in $(seq 50); do [ -s "$work/id" ] && break; sleep 0.1; done
id=$(cat "$work/id")
[ -n "$id" ] || { echo "FAIL: no host window"; exit 1; }

# The show inside the host's window, scaled to 533 x 400 with bars.
XSCREENSAVER_WINDOW=$id "$bin" /s &
saver=$!
pids+=($saver)
sleep 2
alive $saver || fail "the saver in a host window did not keep running"
import -window "$id" "$work/host.png"
colours=$(convert "$work/host.png" -format %k info:)
[ "$colours" -gt 100 ] || fail "the host window shows $colours colours, not the show"
[ "$(pixel "$work/host.png" 10 200)" = "0,0,0" ] || fail "no black bar at the left of the host window"
[ "$(pixel "$work/host.png" 320 200)" != "0,0,0" ] || fail "the middle of the host window is black"

# Stopped and continued, as a locker does while it asks for a password.
kill -STOP $saver
sleep 1.5
kill -CONT $saver
sleep 1
alive $saver || fail "the saver did not survive a pause"

# The host cycles savers: the next starts before this one has ended; it
# waits for it and then plays.
XSCREENSAVER_WINDOW=$id "$bin" /s &
next=$!
pids+=($next)
sleep 0.5
term $saver
[ $st = 0 ] || fail "SIGTERM did not end the saver with status 0 within a second"
sleep 2.5
alive $next || fail "a saver started by a cycling host did not wait for the last one"
# One more while it plays: one saver plays, the other ends at once.
XSCREENSAVER_WINDOW=$id timeout 5 "$bin" /s || fail "a saver started beside a running one did not end with status 0"
term $next
[ $st = 0 ] || fail "SIGTERM did not end the second saver with status 0"
[ -e "$XDG_RUNTIME_DIR/gobbleshot1.running" ] && fail "the running-saver flag outlived SIGTERM"

# The host's settings preview: silent, ended the same way.
XSCREENSAVER_WINDOW=$id "$bin" /s --window-id "$id" &
preview=$!
pids+=($preview)
sleep 1.5
alive $preview || fail "the host preview did not keep running"
term $preview
[ $st = 0 ] || fail "SIGTERM did not end the host preview with status 0"

# "/p <id>": the still at the top left of the window, gone with it.
"$bin" /p "$(printf %d "$id")" &
still=$!
pids+=($still)
sleep 1
import -window "$id" "$work/still.png"
[ "$(pixel "$work/still.png" 300 300)" = "0,0,0" ] || fail "the preview still is not at the top left"
[ "$(convert "$work/still.png" -crop 153x115+0+0 -format %k info:)" -gt 50 ] || fail "no preview still"
kill $host_pid
for _ in $(seq 20); do alive $still || break; sleep 0.1; done
if alive $still; then
  fail "/p kept running after its window was destroyed"
else
  wait $still || fail "/p ended with status $? when its window went"
fi

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
