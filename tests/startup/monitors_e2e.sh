#!/usr/bin/env bash
# End to end on two monitors side by side (a private X server with the dummy
# video driver, see dummy_xorg.sh). Both monitors show the show, unplugging
# and plugging one back in while it runs does no harm, and a click on the
# second ends it. Then the real xscreensaver daemon on the same two monitors:
# a saver in each monitor's window, both show the show, neither an error box,
# one plays sound.
#   monitors_e2e.sh path/to/gobbleshot1 build-dir
# Ends with 77 (skipped) when no such X server can be started here.
set -u
bin=$1
build=$2
work=$(mktemp -d)
chmod 755 "$work"
xpid=
saver=
xs_daemon=
cleanup() {
  [ -n "$saver" ] && kill -9 "$saver" 2>/dev/null
  [ -n "$xs_daemon" ] && kill "$xs_daemon" 2>/dev/null
  pkill -9 -f "$work/prefix/bin/gobbleshot1" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/../support/dummy_xorg.sh"
start_dummy_xorg "$work" || exit $?

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
alive() { kill -0 "$1" 2>/dev/null; }
colours() { convert "$1" -crop "$2" +repage -format %k info:; }
# The saver, given input, must end within a second with status 0.
ends_on() {
  for _ in $(seq 10); do alive $saver || break; sleep 0.1; done
  if alive $saver; then
    fail "$1 did not end the saver within a second"
  else
    wait $saver || fail "the saver ended with status $? on $1"
  fi
  saver=
}

"$bin" /s &
saver=$!
sleep 2.5
import -window root "$work/both.png"
[ "$(colours "$work/both.png" 1920x1080+0+0)" -gt 100 ] || fail "the first monitor does not show the show"
[ "$(colours "$work/both.png" 1920x1080+1920+0)" -gt 100 ] || fail "the second monitor does not show the show"
# The two windows are sent one after the other: a shot may fall between.
same=no
for _ in 1 2 3; do
  compare -metric AE "$work/both.png[1920x1080+0+0]" "$work/both.png[1920x1080+1920+0]" null: 2>"$work/ae"
  [ "$(cut -d' ' -f1 <"$work/ae")" = 0 ] && same=yes && break
  import -window root "$work/both.png"
done
[ $same = yes ] || fail "the monitors show different pictures ($(cat "$work/ae") pixels differ)"

xrandr --output DUMMY1 --off
sleep 1
alive $saver || fail "unplugging a monitor ended the saver"
xrandr --output DUMMY1 --mode 1920x1080 --pos 1920x0
sleep 1
alive $saver || fail "plugging a monitor in ended the saver"

xdotool mousemove 2880 540 click 1
ends_on "a click on the second monitor"

# A monitor plugged in while the show runs gets the show too.
xrandr --output DUMMY1 --off
"$bin" /s &
saver=$!
sleep 2
xrandr --output DUMMY1 --mode 1920x1080 --pos 1920x0
xrandr >/dev/null
sleep 1.5
import -window root "$work/plugged.png"
[ "$(colours "$work/plugged.png" 1920x1080+1920+0)" -gt 100 ] || fail "a monitor plugged in later does not show the show"
xdotool key a
ends_on "a key after a monitor was plugged in"

if command -v xscreensaver >/dev/null; then
  cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
  . "$(dirname "$0")/../support/xscreensaver_daemon.sh"
  # SDL's file output: each saver that opens its sound writes to the file.
  # A runtime folder of its own: the sound lock is per user, and other
  # checks may run savers as the same user at the same time.
  # The folder must be the savers' user's own and closed to others, or the
  # saver takes the shared one in the temporary folder instead.
  mkdir -m 700 "$work/xsrun"
  [ "$(id -u)" = 0 ] && chown nobody "$work/xsrun"
  xscreensaver_start "$work" "$work/prefix/bin/gobbleshot1" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out/sound.raw" \
    XDG_RUNTIME_DIR="$work/xsrun"
  xs xscreensaver-command -activate >/dev/null || fail "xscreensaver did not take the command"
  savers=
  for _ in $(seq 30); do
    savers=$(pgrep -f "$work/prefix/bin/gobbleshot1")
    [ "$(wc -w <<<"$savers")" -ge 2 ] && break
    sleep 0.2
  done
  sleep 2.5
  import -window root "$work/xs.png"
  [ "$(colours "$work/xs.png" 1920x1080+0+0)" -gt 100 ] || fail "under xscreensaver the first monitor shows no show"
  [ "$(colours "$work/xs.png" 1920x1080+1920+0)" -gt 100 ] || fail "under xscreensaver the second monitor shows no show"
  # The error box is red on black, and says so in the log.
  grep -q "crashed" "$work/out/daemon.log" && fail "xscreensaver reports a crash: $(grep -m1 crashed "$work/out/daemon.log")"
  savers=$(pgrep -f "$work/prefix/bin/gobbleshot1")
  [ "$(wc -w <<<"$savers")" = 2 ] || fail "xscreensaver runs $(wc -w <<<"$savers") savers on two monitors, not 2"
  # shellcheck disable=SC2086
  sounding=$(sounding_savers "$work/out/sound.raw" $savers)
  [ $sounding = 1 ] || fail "$sounding savers play sound under xscreensaver on two monitors, not 1"
  # As in the one-monitor check: a loaded daemon may miss the first click.
  for _ in 1 2 3; do
    xdotool mousemove 960 540 click 1
    for _ in $(seq 20); do pgrep -f "$work/prefix/bin/gobbleshot1" >/dev/null || break; sleep 0.1; done
    pgrep -f "$work/prefix/bin/gobbleshot1" >/dev/null || break
  done
  pgrep -f "$work/prefix/bin/gobbleshot1" >/dev/null && fail "the savers kept running after xscreensaver unblanked"
  grep -q "X Error" "$work/out/daemon.log" &&
    fail "a saver under xscreensaver reported an X error: $(grep -m1 -A4 'X Error' "$work/out/daemon.log")"
else
  echo "xscreensaver is not installed: its two-monitor check is skipped"
fi

if [ $failures -eq 0 ]; then
  echo "monitors end-to-end: all passed"
  exit 0
fi
echo "monitors end-to-end: $failures failed"
exit 1
