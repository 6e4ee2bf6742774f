#!/usr/bin/env bash
# End to end on two monitors side by side: a private X server with the dummy
# video driver, which offers RandR outputs like a real graphics card. Both
# monitors show the show, unplugging and plugging one back in while it runs
# does no harm, and a click on the second ends it.
#   monitors_e2e.sh path/to/gobbleshot1
# Ends with 77 (skipped) when no such X server can be started here.
set -u
bin=$1
work=$(mktemp -d)
xpid=
saver=
cleanup() {
  [ -n "$saver" ] && kill -9 "$saver" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
command -v Xorg >/dev/null && command -v xrandr >/dev/null || { echo "SKIP: needs Xorg and xrandr"; exit 77; }

cat >"$work/xorg.conf" <<'EOF'
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 3840 1080
  EndSubSection
EndSection
EOF
mkfifo "$work/fifo"
Xorg -displayfd 3 -config "$work/xorg.conf" -configdir "$work" -noreset -nolisten tcp -logfile "$work/xorg.log" \
  -novtswitch -sharevts 3>"$work/fifo" >/dev/null 2>&1 &
xpid=$!
read -r -t 20 num <"$work/fifo"
[ -n "${num:-}" ] || { echo "SKIP: the dummy X server did not start"; exit 77; }
export DISPLAY=":$num"
xrandr --addmode DUMMY1 1920x1080 &&
  xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 --output DUMMY1 --mode 1920x1080 --pos 1920x0 ||
  { echo "SKIP: the dummy X server gave no second monitor"; exit 77; }
# A full probe, without which the dummy driver keeps answering clients that
# ask for the current configuration with the old one.
xrandr >/dev/null

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

if [ $failures -eq 0 ]; then
  echo "monitors end-to-end: all passed"
  exit 0
fi
echo "monitors end-to-end: $failures failed"
exit 1
