#!/usr/bin/env bash
# End to end in a Wayland session without X: sway on its headless backend
# with two outputs of different shapes and no Xwayland, run as an
# unprivileged user (sway refuses root). "/s" shows the show full screen on
# both outputs and on one added while it runs; a typed key ends it within a
# second, pointer movement and a click on the other output end it too, a
# second "/s" ends at once; swayidle
# starts it after two idle seconds; "/c" shows the dialog; with no display
# at all the error box text goes to stderr.
#   sway_e2e.sh build-dir path/to/wayland_pointer_tool
set -u
build=$1
pointer=$2
for p in sway swaymsg grim wtype swayidle; do
  command -v $p >/dev/null || { echo "SKIP: $p is not installed"; exit 77; }
done
work=$(mktemp -d)
chmod 755 "$work"
sway_pid=
pids=()
cleanup() {
  for p in "${pids[@]}"; do
    pkill -9 -P "$p" 2>/dev/null
    kill -9 "$p" 2>/dev/null
  done
  [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null && wait "$sway_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -s "$work/sway.log" ] && tail -5 "$work/sway.log"
  exit 1
}

# Everything in the session runs as one ordinary user.
. "$(dirname "$0")/../../scripts/sway.sh"
start_sway "$work" 1024x768 1280x720 || fail "sway did not start"
as=("${as_user[@]}")
unset DISPLAY QT_QPA_PLATFORM
export "${sway_env[@]}"
# (Not run where the pid matters: the pid of a function put in the
# background is that of a subshell.)
run() { "${as[@]}" "$@"; }
mkdir "$work/shots" "$work/app"
chown --reference="$work/run" "$work/shots"
# The saver and its pictures where that user can read them, whoever owns
# the build tree.
cp -r "$build/gobbleshot1" "$build/gobbleshot1-setup" "$build/share" "$work/app/"
chmod -R a+rX "$work/app"
bin=$work/app/gobbleshot1
# A sanitizer build: the software GL driver leaves memory it never frees,
# and unloads itself before the leak check, so no suppression can name it.
# The leak reports are kept instead, and only leaks through our own code
# fail the check.
asan=0
if grep -q __asan_init "$bin"; then
  asan=1
  mkdir "$work/leaks"
  chown --reference="$work/run" "$work/leaks"
  export LSAN_OPTIONS="${LSAN_OPTIONS:-}:exitcode=0:log_path=$work/leaks/report"
fi

# Windows of app id $1 in the tree.
windows() { run swaymsg -t get_tree | grep -c "\"app_id\": \"$1\""; }
wait_windows() {  # app id, count, seconds
  local end=$((SECONDS + $3))
  while [ $SECONDS -lt $end ]; do
    [ "$(windows "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  return 1
}
# The show on an output: black bars where its shape differs from 4:3, and
# a lively picture between them.
shows_show() {  # output, bar x (or -1)
  local shot=$work/shots/$1.png
  run grim -o "$1" "$shot" 2>/dev/null || return 1
  local spread bar
  spread=$(convert "$shot" -colorspace gray -format '%[fx:int(standard_deviation*1000)]' info:)
  [ "$spread" -gt 50 ] || return 1
  [ "$2" -lt 0 ] && return 0
  bar=$(convert "$shot" -format "%[pixel:p{$2,360}]" info:)
  [ "$bar" = "black" ] || [ "$bar" = "srgb(0,0,0)" ]
}
wait_show() {
  local end=$((SECONDS + 10))
  while [ $SECONDS -lt $end ]; do
    shows_show "$@" && return 0
    sleep 0.3
  done
  return 1
}
wait_gone() {  # pid, seconds
  local end=$((SECONDS + $2))
  while [ $SECONDS -lt $end ]; do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.05
  done
  return 1
}

# The show on both outputs, bars on the wide one; an output added gets its
# own window; a typed key ends it at once.
"${as[@]}" "$bin" /s 2>"$work/s1.err" &
saver=$!
pids+=($saver)
wait_windows gobbleshot1 2 20 || fail "no window on each output: $(windows gobbleshot1)"
wait_show HEADLESS-1 -1 || fail "HEADLESS-1 does not show the show"
wait_show HEADLESS-2 80 || fail "HEADLESS-2 does not show the show with black bars"
run swaymsg create_output >/dev/null
wait_windows gobbleshot1 3 10 || fail "the output added while the show ran got no window"
run wtype -s 600 x || fail "wtype could not type"
t0=$(date +%s%N)
wait_gone $saver 3 || fail "a typed key did not end the saver"
wait $saver
status=$?
ms=$((($(date +%s%N) - t0) / 1000000))
[ $status = 0 ] || fail "the saver ended a key with status $status"
[ $ms -le 1000 ] || fail "the saver took $ms ms to end after the key"
[ -s "$work/s1.err" ] && fail "the saver wrote to stderr: $(head -3 "$work/s1.err")"
echo "ok: on 3 outputs, ended by a key in $ms ms"

# Of two at once, the second ends at once; pointer movement ends the first.
"${as[@]}" "$bin" /s 2>/dev/null &
saver=$!
pids+=($saver)
wait_windows gobbleshot1 3 20 || fail "the saver did not come back"
"${as[@]}" "$bin" /s &
second=$!
pids+=($second)
wait_gone $second 5 || fail "a second saver did not end at once"
kill -0 $saver 2>/dev/null || fail "the first saver ended with the second"
# The first movement only brings the pointer in; one more stays below the
# threshold (4 at first-run settings).
run "$pointer" 2 8 6 700 || fail "the pointer tool failed"
sleep 0.5
kill -0 $saver 2>/dev/null || fail "movement below the threshold ended the saver"
run "$pointer" 12 8 6 150 || fail "the pointer tool failed"
wait_gone $saver 3 || fail "pointer movement did not end the saver"
wait $saver
status=$?
[ $status = 0 ] || fail "the saver ended on movement with status $status"
echo "ok: a second saver ended at once, movement past the threshold ended the first"

# A button ends it on any output: here on the second, where the keyboard's
# focus need not be. (Into the top left corner first, then onto HEADLESS-2:
# two movements, below the threshold.)
"${as[@]}" "$bin" /s 2>/dev/null &
saver=$!
pids+=($saver)
wait_windows gobbleshot1 3 20 || fail "the saver did not come back for the click"
run "$pointer" 1 -5000 -5000 0 || fail "the pointer tool failed"
run "$pointer" 1 1300 300 0 click || fail "the pointer tool failed"
wait_gone $saver 3 || fail "a click on the second output did not end the saver"
wait $saver
status=$?
[ $status = 0 ] || fail "the saver ended on a click with status $status"
echo "ok: a click on the second output ended it"

# Started by the idle daemon after two idle seconds.
"${as[@]}" swayidle -w timeout 2 "$bin /s" 2>/dev/null &
idle=$!
pids+=($idle)
t0=$SECONDS
wait_windows gobbleshot1 3 15 || fail "swayidle did not start the saver"
waited=$((SECONDS - t0))
[ $waited -ge 1 ] || fail "the saver came after $waited s, not after 2 idle seconds"
run wtype -s 600 x
end=$((SECONDS + 5))
while [ $SECONDS -lt $end ] && [ "$(windows gobbleshot1)" -gt 0 ]; do sleep 0.1; done
[ "$(windows gobbleshot1)" = 0 ] || fail "the saver started by swayidle did not end on a key"
kill $idle 2>/dev/null
wait $idle 2>/dev/null
echo "ok: swayidle started it after about $waited s"

# "Disable any Power Saving settings": on, the session does not idle while
# the show runs; off, it does.
settings=$work/config/gobbleshot1/settings.ini
for save in 1 0; do
  run sed -i "s/^PwrSave=.*/PwrSave=$save/" "$settings"
  grep -q "^PwrSave=$save" "$settings" || fail "no PwrSave in the settings"
  "${as[@]}" "$bin" /s 2>/dev/null &
  saver=$!
  pids+=($saver)
  wait_windows gobbleshot1 3 20 || fail "the saver did not start with PwrSave $save"
  "${as[@]}" swayidle timeout 1 "touch $work/shots/idle" 2>/dev/null &
  idle=$!
  pids+=($idle)
  end=$((SECONDS + 4))
  while [ $SECONDS -lt $end ] && [ ! -e "$work/shots/idle" ]; do sleep 0.1; done
  kill $idle $saver
  wait $idle $saver 2>/dev/null
  if [ $save = 1 ]; then
    [ -e "$work/shots/idle" ] && fail "the session idled under the show with PwrSave 1"
  else
    [ -e "$work/shots/idle" ] || fail "the show held off the session's idling with PwrSave 0"
  fi
done
echo "ok: PwrSave 1 holds off the session's idling, 0 does not"

# The dialog on Wayland's own protocol.
"${as[@]}" "$bin" /c 2>"$work/c.err" &
dialog=$!
pids+=($dialog)
wait_windows gobbleshot1-setup 1 20 || fail "no dialog window: $(head -3 "$work/c.err")"
kill $dialog
wait $dialog 2>/dev/null
echo "ok: the dialog opened"

# Neither Wayland nor X11 to draw on: the error box text, status 1.
WAYLAND_DISPLAY=wayland-none run "$bin" /s >/dev/null 2>"$work/none.err"
status=$?
[ $status = 1 ] || fail "without any display the saver ended with status $status"
grep -q "Error opening Direct Draw!" "$work/none.err" || fail "without any display no error text on stderr"
echo "ok: without any display, the error text and status 1"

if [ $asan = 1 ]; then
  bad=$(grep -l -E "ERROR: AddressSanitizer|runtime error" "$work"/leaks/report.* 2>/dev/null)
  [ -z "$bad" ] || fail "sanitizer errors: $(head -20 $bad)"
  own=$(grep -l -E "in gs::|$work/app/gobbleshot1" "$work"/leaks/report.* 2>/dev/null)
  [ -z "$own" ] || fail "leaks through the saver's own code: $(grep -h -A4 'leak of' $own | head -20)"
  echo "ok: no sanitizer errors, no leaks through the saver's own code"
fi
