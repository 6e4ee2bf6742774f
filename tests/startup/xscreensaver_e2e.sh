#!/usr/bin/env bash
# End to end under the real xscreensaver daemon (Debian's xscreensaver) on
# Xvfb: an installed tree on its programs line, blanking on command, the show
# in the daemon's window and a click ending it. xscreensaver refuses to run
# savers for root, so as root the check runs as nobody.
#   xscreensaver_e2e.sh build-dir
# Ends with 77 (skipped) when xscreensaver is not installed.
set -u
build=$1
command -v xscreensaver >/dev/null || { echo "SKIP: xscreensaver is not installed"; exit 77; }
work=$(mktemp -d)
chmod 755 "$work"
daemon=
cleanup() {
  [ -n "$daemon" ] && kill "$daemon" 2>/dev/null
  pkill -9 -f "$work/prefix/bin/gobbleshot1" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
running() { pgrep -f "$work/prefix/bin/gobbleshot1" >/dev/null; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
. "$(dirname "$0")/../support/xscreensaver_daemon.sh"
xscreensaver_start "$work" "$work/prefix/bin/gobbleshot1"
daemon=$xs_daemon
xs xscreensaver-command -activate >/dev/null || fail "xscreensaver did not take the command"
for _ in $(seq 30); do running && break; sleep 0.2; done
running || fail "xscreensaver did not start the saver: $(tail -3 "$work/out/daemon.log")"
# A loaded machine may take a few seconds to start the saver and draw.
shown=0
for _ in $(seq 12); do
  sleep 1
  import -window root "$work/out/shot.png"
  [ "$(convert "$work/out/shot.png" -format %k info:)" -gt 100 ] && { shown=1; break; }
done
[ $shown = 1 ] || fail "the blanked screen does not show the show"
# On a loaded machine the daemon may still be settling into its blanked
# state and take no notice of the first click: click again then.
for _ in 1 2 3; do
  xdotool mousemove 700 500 click 1
  for _ in $(seq 20); do running || break; sleep 0.1; done
  running || break
done
running && fail "the saver kept running after xscreensaver unblanked"
# Blanked and unblanked again: the host destroys its window as it ends the
# saver, which must end quietly every time.
for _ in 1 2 3; do
  xs xscreensaver-command -activate >/dev/null
  for _ in $(seq 30); do running && break; sleep 0.2; done
  sleep 1
  xdotool mousemove 600 400 click 1
  for _ in $(seq 20); do running || break; sleep 0.1; done
done
grep -q "X Error" "$work/out/daemon.log" && fail "a saver ended with an X error: $(grep -m1 -A2 'X Error' "$work/out/daemon.log")"
[ -e "$work/home/config/gobbleshot1" ] || fail "the saver under xscreensaver wrote no settings"

if [ $failures -eq 0 ]; then
  echo "xscreensaver end-to-end: all passed"
  exit 0
fi
echo "xscreensaver end-to-end: $failures failed"
exit 1
