#!/usr/bin/env bash
# End to end under the real xsecurelock (Debian's 1.5.1) with an installed
# tree's saver as XSECURELOCK_SAVER: the show on the locked screen, input
# during the lock neither ending nor restarting it, the password prompt's
# reset request, an unlock through a stand-in password program, the locker
# ended by SIGTERM, and on two monitors (dummy_xorg.sh) one saver in each
# monitor's window with one of them playing. The saver must be gone within a
# second whenever xsecurelock ends.
#   xsecurelock_e2e.sh build-dir
# Ends with 77 (skipped) when xsecurelock is not installed.
set -u
build=$1
command -v xsecurelock >/dev/null || { echo "SKIP: xsecurelock is not installed"; exit 77; }
work=$(mktemp -d)
chmod 755 "$work"
saver=$work/prefix/bin/gobbleshot1
lock=
xpid=
cleanup() {
  [ -n "$lock" ] && kill -9 "$lock" 2>/dev/null
  pkill -9 -f "$saver" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# The savers that still run (one that has ended but was not yet reaped by
# whoever inherited it runs no more).
savers() {
  local p
  for p in $(pgrep -f "$saver"); do
    [ "$(ps -o stat= -p "$p" 2>/dev/null | cut -c1)" = Z ] || [ ! -d "/proc/$p" ] || echo "$p"
  done
}
count() { wc -w <<<"$(savers)"; }
colours() { convert "$1" -crop "$2" +repage -format %k info:; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/sound.raw
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY  # xsecurelock refuses to lock a Wayland session
# The password program's stand-in: it unlocks (status 0) once the check has
# made the unlock file, and refuses until then.
cat >"$work/auth_gate" <<EOF
#!/bin/sh
sleep 0.3
[ -e "$work/unlock" ]
EOF
chmod 755 "$work/auth_gate"

# Locks the screen with the saver, extra environment as arguments; sets $lock.
# The savers' standard error comes out of xsecurelock's, in $work/lock.err.
start_lock() {
  rm -f "$work/unlock"
  env XSECURELOCK_SAVER="$saver" XSECURELOCK_AUTH="$work/auth_gate" "$@" xsecurelock 2>"$work/lock.err" &
  lock=$!
}
# Waits up to 5 s for the show on the screen's area $2 (WxH+X+Y); $1 says when.
show_within_5s() {
  local shown=0
  for _ in $(seq 10); do
    sleep 0.5
    import -window root "$work/shot.png" 2>/dev/null
    [ "$(colours "$work/shot.png" "$2")" -gt 100 ] && { shown=1; break; }
  done
  [ $shown = 1 ] || fail "$1: the locked screen does not show the show within 5 s"
}
# After xsecurelock has ended ($1 says how), no saver may run a second later
# (or GS_SIGTERM_LIMIT_MS: a sanitised build's leak check at exit takes its
# time).
limit=${GS_SIGTERM_LIMIT_MS:-1000}
savers_gone() {
  lock=
  for _ in $(seq $((limit / 100))); do [ "$(count)" = 0 ] && break; sleep 0.1; done
  [ "$(count)" = 0 ] || fail "$1: $(count) savers still run $limit ms after xsecurelock ended"
}
# What the savers and xsecurelock said: no switch refused, no saver that
# failed or died of a signal (xsecurelock would start it again at once), no
# X error.
quiet_log() {
  grep -q "unknown switch" "$work/lock.err" && fail "$1: $(grep -m1 "unknown switch" "$work/lock.err")"
  grep -E -q "saver child (failed|killed)" "$work/lock.err" &&
    fail "$1: $(grep -E -m1 "saver child (failed|killed)" "$work/lock.err")"
  grep -q "X Error" "$work/lock.err" && fail "$1: $(grep -m1 -A2 "X Error" "$work/lock.err")"
}

# One monitor: the show, input while locked, and an unlock.
start_lock
show_within_5s "locked" 1920x1080+0+0
first=$(savers)
[ "$(wc -w <<<"$first")" = 1 ] || fail "xsecurelock runs $(wc -w <<<"$first") savers on one monitor, not 1"
# A key and the pointer moving wake the password prompt, which refuses: the
# saver beneath goes on as it was.
xdotool key a
sleep 0.2
xdotool mousemove 200 200 mousemove 900 700
sleep 1.5
kill -0 "$lock" 2>/dev/null || fail "input during the lock ended xsecurelock without a password"
[ "$(savers)" = "$first" ] || fail "input during the lock ended or restarted the saver ($first, now $(savers))"
touch "$work/unlock"
xdotool key b
for _ in $(seq 50); do kill -0 "$lock" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$lock" 2>/dev/null; then
  fail "the password program's success did not unlock"
else
  wait "$lock" || fail "xsecurelock ended with status $? on unlock"
fi
savers_gone "unlocked"
quiet_log "locked and unlocked"

# The reset asked for when the password prompt closes: the saver ends
# cleanly and xsecurelock starts one afresh, once.
start_lock XSECURELOCK_SAVER_RESET_ON_AUTH_CLOSE=1
show_within_5s "locked for a reset" 1920x1080+0+0
first=$(savers)
xdotool key a
for _ in $(seq 50); do
  now=$(savers)
  [ "$(wc -w <<<"$now")" = 1 ] && [ "$now" != "$first" ] && break
  sleep 0.1
done
[ "$(wc -w <<<"$now")" = 1 ] && [ "$now" != "$first" ] ||
  fail "the reset gave savers '$now' after '$first', not one new one"
sleep 1
[ "$(savers)" = "$now" ] || fail "the saver started after the reset was restarted again: $(savers)"
show_within_5s "after the reset" 1920x1080+0+0
# Ended by SIGTERM, as a session's end or a user's kill does.
kill -TERM "$lock"
wait "$lock"
savers_gone "xsecurelock ended by SIGTERM"
quiet_log "the reset and SIGTERM"

# Two monitors: a saver in each monitor's window, both show the show, one
# plays sound.
. "$(dirname "$0")/../support/dummy_xorg.sh"
start_dummy_xorg "$work"
case $? in
  0)
    start_lock
    for _ in $(seq 30); do [ "$(count)" -ge 2 ] && break; sleep 0.2; done
    show_within_5s "first monitor" 1920x1080+0+0
    show_within_5s "second monitor" 1920x1080+1920+0
    [ "$(count)" = 2 ] || fail "xsecurelock runs $(count) savers on two monitors, not 2"
    # shellcheck disable=SC2046
    sounding=$(sounding_savers "$work/sound.raw" $(savers))
    [ $sounding = 1 ] || fail "$sounding savers play sound on two monitors, not 1"
    kill -TERM "$lock"
    wait "$lock"
    savers_gone "two monitors, xsecurelock ended by SIGTERM"
    quiet_log "two monitors"
    ;;
  77) echo "no dummy X server here: the two-monitor check is skipped" ;;
  *) fail "the dummy X server" ;;
esac

if [ $failures -eq 0 ]; then
  echo "xsecurelock end-to-end: all passed"
  exit 0
fi
echo "xsecurelock end-to-end: $failures failed"
exit 1
