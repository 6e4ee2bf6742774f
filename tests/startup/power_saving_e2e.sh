#!/usr/bin/env bash
# End to end under Xvfb: the server's screen saver comes on while the saver
# plays at first-run values, and stays off with "Disable any Power Saving
# settings" ticked until the saver is killed; in a host's window the host
# decides. While the server's screen saver is on, or the host's window is
# covered or unmapped, the saver's main thread sleeps and plays no sound; the
# show comes back within a second where it stopped.
#   power_saving_e2e.sh path/to/gobbleshot1 path/to/x11_test_tool
set -u
bin=$1
tool=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  xset s off 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
command -v xset >/dev/null || { echo "SKIP: xset is not installed"; exit 77; }
[ "$("$tool" saver)" = off ] || { echo "SKIP: the X server has no screen saver to watch"; exit 77; }
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy GOBBLESHOT1_REST_PROBE=1
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
hz=$(getconf CLK_TCK)
# The CPU time of all threads in clock ticks, and how often they went to
# sleep (the sound output has a thread of its own).
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
wakes() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'; }
# Waits up to $2 tenths of a second for the line $3 in file $1.
wait_line() {
  for _ in $(seq "$2"); do grep -q "$3" "$1" && return 0; sleep 0.1; done
  return 1
}
# Waits up to $2 tenths of a second for $4 lines beginning with $3 in file $1.
wait_count() {
  for _ in $(seq "$2"); do [ "$(grep -c "^$3" "$1")" -ge "$4" ] && return 0; sleep 0.1; done
  return 1
}
# Waits up to $1 tenths of a second for the server's screen saver to be $2.
wait_saver() {
  for _ in $(seq "$1"); do [ "$("$tool" saver)" = "$2" ] && return 0; sleep 0.1; done
  return 1
}
# Over $2 seconds, the saver $1 wakes at most once a second and uses under
# 1 % of a core; $3 says when.
quiet_for() {
  local t0 w0 t1 w1
  t0=$(ticks "$1") w0=$(wakes "$1")
  sleep "$2"
  t1=$(ticks "$1") w1=$(wakes "$1")
  echo "$3: $((w1 - w0)) wake-ups and $((t1 - t0)) ticks of CPU in $2 s"
  [ $((w1 - w0)) -le "$2" ] || fail "$3: the saver woke $((w1 - w0)) times in $2 s"
  [ $((100 * (t1 - t0))) -lt $((hz * $2)) ] || fail "$3: the saver used over 1 % of a core"
}
# After the probe lines in $1: the show's time did not move between the last
# rest and the wake, and the picture was back within 100 ms; $2 says when.
resumed_in_place() {
  local unseen seen shown
  unseen=$(grep '^unseen' "$1" | tail -1 | awk '{ print $3 }')
  seen=$(grep '^seen' "$1" | tail -1 | awk '{ print $3, $5 }')
  shown=$(grep '^shown' "$1" | tail -1 | awk '{ print $3 }')
  [ -n "$unseen" ] && [ -n "$seen" ] && [ -n "$shown" ] || { fail "$2: no rest and wake reported"; return; }
  [ $((${seen% *} - unseen)) -lt 50000 ] || fail "$2: the show's time ran on while it rested"
  [ $((shown - ${seen#* })) -lt 100000 ] || fail "$2: the picture took over 100 ms to come back"
}

# First-run values: the server's screen saver comes on over the show, which
# then rests in silence.
xset s 4 0
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/sound.raw "$bin" /s 2>"$work/first.err" &
saver=$!
pids+=($saver)
if ! wait_saver 100 on; then
  fail "the server's screen saver did not come on over the saver"
else
  wait_line "$work/first.err" 20 '^unseen' || fail "the saver did not notice the screen saver"
  sleep 1
  s0=$(stat -c %s "$work/sound.raw")
  quiet_for $saver 10 "under the server's screen saver"
  s1=$(stat -c %s "$work/sound.raw")
  [ "$(tail -c +$((s0 + 1)) "$work/sound.raw" | head -c $((s1 - s0)) | tr -d '\0' | wc -c)" = 0 ] ||
    fail "sound played under the server's screen saver"
  xset s reset
  wait_line "$work/first.err" 10 '^seen' || fail "the show was not back within a second of the screen saver's end"
  sleep 0.3
  resumed_in_place "$work/first.err" "after the server's screen saver"
fi
kill -TERM $saver
wait $saver 2>/dev/null

# The box ticked: the saver on its own keeps the screen saver off while it
# runs, and not a moment longer.
settings=$XDG_CONFIG_HOME/gobbleshot1/settings.ini
sed -i 's/^PwrSave=.*/PwrSave=1/' "$settings"
grep -q '^PwrSave=1' "$settings" || fail "no PwrSave in the first run's settings"
xset s reset
"$bin" /s 2>/dev/null &
saver=$!
pids+=($saver)
sleep 7
[ "$("$tool" saver)" = off ] || fail "the server's screen saver came on although the box is ticked"
kill -9 $saver
wait $saver 2>/dev/null
wait_saver 60 on || fail "the server's screen saver stayed off after the saver was killed"

# In a host's window the host decides, ticked box or not; a window covered
# or unmapped rests the show.
xset s reset
"$tool" window 1280 720 >"$work/host" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/host" ] && break; sleep 0.1; done
host=$(cat "$work/host")
XSCREENSAVER_WINDOW=$host "$bin" /s 2>"$work/host.err" &
saver=$!
pids+=($saver)
wait_saver 80 on || fail "the saver in a host's window kept the server's screen saver off"
xset s off
xset s reset
wait_count "$work/host.err" 20 seen 1 || fail "the show in the host's window did not come back"
"$tool" blanket "$host" >"$work/blanket" &
blanket=$!
pids+=($blanket)
wait_count "$work/host.err" 10 unseen 2 || fail "the saver did not notice its window covered"
sleep 0.5
quiet_for $saver 10 "in a covered host window"
kill $blanket
wait_count "$work/host.err" 10 seen 2 || fail "the show was not back within a second of its window's uncovering"
sleep 0.3
resumed_in_place "$work/host.err" "after the covering"
"$tool" unmap "$host"
wait_count "$work/host.err" 10 unseen 3 || fail "the saver did not notice its window unmapped"
sleep 0.5
quiet_for $saver 5 "in an unmapped host window"
ms=$("$tool" map "$host") || ms=
if [ -z "$ms" ] || [ "$ms" -gt 1000 ]; then
  fail "the show was not back within a second of its window's mapping"
fi
kill -0 $saver 2>/dev/null || fail "the saver in the host's window ended"

[ $failures -eq 0 ] || exit 1
echo "power saving: all checks passed"
