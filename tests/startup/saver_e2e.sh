#!/usr/bin/env bash
# End to end under Xvfb: the saver on a fresh settings folder, a second
# instance, a key press, the other switches and no display at all.
set -u
bin=$1
work=$(mktemp -d)
xpid=
# The private X server below goes too when a check fails while it runs.
trap '[ -n "$xpid" ] && kill -CONT $xpid 2>/dev/null && kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR"
fail() { echo "FAIL: $*"; exit 1; }
# A sanitizer build on a busy machine may take a while to start.
wait_for_flag() {
  for _ in $(seq 100); do [ -f "$XDG_RUNTIME_DIR/gobbleshot1.running" ] && return; sleep 0.1; done
}

"$bin" /s & pid=$!
sleep 2
wait_for_flag
kill -0 $pid 2>/dev/null || fail "the saver did not keep running"
[ -f "$XDG_RUNTIME_DIR/gobbleshot1.running" ] || fail "no running-saver flag"
timeout 5 "$bin" /s || fail "a second /s did not end at once with status 0"
import -window root "$work/shot.png"
colours=$(convert "$work/shot.png" -format %k info:)
[ "$colours" -gt 100 ] || fail "the screen shows $colours colours, not the backdrop"
settings=$XDG_CONFIG_HOME/gobbleshot1/settings.ini
[ "$(grep -c '=' "$settings")" -ge 17 ] || fail "first-run values not written"
before=$(md5sum < "$settings")
xdotool key a
for _ in $(seq 10); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "a key did not end the saver within a second"
wait $pid || fail "the saver ended with status $?"
[ -f "$XDG_RUNTIME_DIR/gobbleshot1.running" ] && fail "the running-saver flag was left behind"
[ "$(md5sum < "$settings")" = "$before" ] || fail "the settings file changed at exit"

timeout 5 "$bin" /x || fail "/x did not end with status 0"
# The conventions of the field, without creating anything.
fresh=$work/fresh
mkdir -m 700 "$fresh"
out=$(XDG_CONFIG_HOME=$fresh/config XDG_RUNTIME_DIR=$fresh "$bin" --version) || fail "--version failed"
[ "$out" = "gobbleshot1 2.99" ] || fail "--version printed: $out"
XDG_CONFIG_HOME=$fresh/config XDG_RUNTIME_DIR=$fresh "$bin" --help | grep -q -- "--window-id" || fail "--help printed no usage"
err=$(XDG_CONFIG_HOME=$fresh/config XDG_RUNTIME_DIR=$fresh "$bin" -s 2>&1 >/dev/null) || fail "-s did not end with status 0"
[ "$(wc -l <<<"$err")" = 1 ] && grep -q -- "--help" <<<"$err" || fail "-s gave no one-line hint: $err"
XDG_CONFIG_HOME=$fresh/config XDG_RUNTIME_DIR=$fresh "$bin" /s --window-id junk 2>/dev/null &&
  fail "--window-id without a window reported success"
err=$(XDG_CONFIG_HOME=$fresh/config XDG_RUNTIME_DIR=$fresh timeout 5 "$bin" /s --window-id 2>&1)
[ $? = 1 ] && [ "$(wc -l <<<"$err")" = 1 ] && grep -q -- "--window-id needs" <<<"$err" ||
  fail "--window-id without its value did not end with the usage line and status 1"
[ -z "$(ls -A "$fresh")" ] || fail "--help, --version, -s or a broken --window-id created $(ls -A "$fresh")"
timeout 5 "$bin" /p && fail "/p without a window reported success"
timeout 5 "$bin" /a >/dev/null || fail "/a did not end with status 0"
err=$(DISPLAY=:9999 timeout 10 "$bin" /s 2>&1) && fail "no display reported success"
grep -q "Error opening Direct Draw!" <<<"$err" || fail "no error text without a display"
# Ends without its own clean-up: a hang-up, a crash, the X server going away.
# The flag must go all the same, and a failure is not reported as success.
flag=$XDG_RUNTIME_DIR/gobbleshot1.running
for sig in HUP SEGV; do
  "$bin" /s 2>/dev/null & pid=$!
  wait_for_flag
  [ -f "$flag" ] || fail "no running-saver flag before SIG$sig"
  kill -$sig $pid
  wait $pid && fail "the saver ended with status 0 on SIG$sig"
  [ -f "$flag" ] && fail "the running-saver flag outlived SIG$sig"
done
mkfifo "$work/fifo"
Xvfb -displayfd 3 -nolisten tcp 3>"$work/fifo" >/dev/null 2>&1 & xpid=$!
read -r -t 20 num <"$work/fifo"
# Runs ended by a key, each with the X server held still while the saver
# takes the key and shuts down, so that the server sees all the saver sent
# at once: SDL's wake-up message through its second connection then comes
# after the window it names is gone. Every run ends with status 0, silent.
for run in $(seq 20); do
  DISPLAY=":$num" "$bin" /s 2>"$work/key.err" & pid=$!
  wait_for_flag
  sleep 0.3
  kill -STOP $pid
  DISPLAY=":$num" xdotool key a
  kill -STOP $xpid
  kill -CONT $pid
  sleep 0.2
  kill -CONT $xpid
  for _ in $(seq 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && fail "key-ended run $run: the saver kept running"
  wait $pid || fail "key-ended run $run ended with status $?: $(head -c 300 "$work/key.err")"
  [ -s "$work/key.err" ] && fail "key-ended run $run said: $(head -c 300 "$work/key.err")"
done
DISPLAY=":$num" "$bin" /s 2>/dev/null & pid=$!
sleep 1.5
kill $xpid
wait $pid && fail "the saver ended with status 0 when its X server went away"
[ -f "$flag" ] && fail "the running-saver flag outlived the X server"
timeout 10 "$bin" /s & pid=$!  # the lock of all those is gone: this one plays
sleep 1.5
kill -0 $pid 2>/dev/null || fail "a saver after the killed ones did not play"
# The empty command line runs beside it, where "/s" would end at once.
timeout 2 "$bin"
[ $? = 124 ] || fail "the empty command line did not run while another saver runs"
kill $pid
wait $pid || fail "SIGTERM ended the last saver with status $?"
echo "saver end-to-end: 1 passed, 0 failed"
