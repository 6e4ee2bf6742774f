#!/usr/bin/env bash
# End to end under Xvfb on a private session bus: the saver at first-run
# values calls no screen-saver, power-management or session service of the
# desktop, so it never holds off idleness nor passes for a user at work; and
# nothing of it resets the X server's screen saver, which stays on once on.
#   session_bus_e2e.sh path/to/gobbleshot1 path/to/x11_test_tool [seconds]
set -u
bin=$1
tool=$2
seconds=${3:-40}
for p in dbus-daemon dbus-monitor; do
  command -v $p >/dev/null || { echo "SKIP: $p is not installed"; exit 77; }
done
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
fail() { echo "FAIL: $*"; exit 1; }

dbus-daemon --session --nofork --print-address=3 3>"$work/address" 2>"$work/daemon.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/address" ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/address")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || fail "the private session bus did not start"
export DBUS_SESSION_BUS_ADDRESS
dbus-monitor --session >"$work/bus" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/bus" ] && break; sleep 0.1; done

saver_off=1
command -v xset >/dev/null && [ "$("$tool" saver)" = off ] && xset s 4 0 && saver_off=0
"$bin" /s &
saver=$!
pids+=($saver)
sleep "$seconds"
kill -0 $saver 2>/dev/null || fail "the saver did not keep running"
if [ $saver_off = 0 ]; then
  state=$("$tool" saver)
  xset s off
  [ "$state" = on ] || fail "the server's screen saver was $state after $seconds s of the saver"
fi
kill -TERM $saver
wait $saver
sleep 0.5

names='org\.freedesktop\.ScreenSaver|org\.gnome\.ScreenSaver|org\.mate\.ScreenSaver|org\.freedesktop\.PowerManagement[^ ;]*|org\.gnome\.SessionManager'
calls=$(grep -E "^method call.*(destination|interface)=($names)" "$work/bus")
[ -z "$calls" ] || fail "the saver called the desktop's services: $(echo "$calls" | sed 's/.*member=/member=/' | sort | uniq -c | tr '\n' ';')"
echo "session bus: no calls to the screen-saver, power or session services in $seconds s"
