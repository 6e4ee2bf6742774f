# Sourced by the end-to-end scripts that need two monitors side by side:
#   start_dummy_xorg WORK
# starts a private X server with the dummy video driver, which offers RandR
# outputs like a real graphics card, with two 1920 x 1080 monitors DUMMY0 and
# DUMMY1 side by side; sets $xpid and exports DISPLAY. Answers 77 with a
# message when no such server can be started here.
start_dummy_xorg() {
  local work=$1 num=
  command -v Xorg >/dev/null && command -v xrandr >/dev/null || { echo "SKIP: needs Xorg and xrandr"; return 77; }
  cat >"$work/xorg.conf" <<'XORG'
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
XORG
  mkfifo "$work/xorg.fifo"
  Xorg -displayfd 3 -config "$work/xorg.conf" -configdir "$work" -noreset -nolisten tcp -logfile "$work/xorg.log" \
    -novtswitch -sharevts 3>"$work/xorg.fifo" >/dev/null 2>&1 &
  xpid=$!
  read -r -t 20 num <"$work/xorg.fifo"
  [ -n "$num" ] || { echo "SKIP: the dummy X server did not start"; return 77; }
  export DISPLAY=":$num"
  xrandr --addmode DUMMY1 1920x1080 &&
    xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 --output DUMMY1 --mode 1920x1080 --pos 1920x0 ||
    { echo "SKIP: the dummy X server gave no second monitor"; return 77; }
  # A full probe, without which the dummy driver keeps answering clients that
  # ask for the current configuration with the old one.
  xrandr >/dev/null
}

# sounding_savers SOUND_FILE PID...: how many of the savers have the sound
# output (SDL's disk driver writing SOUND_FILE) open. A loaded machine (a
# sanitizer build beside other tests) may take a few seconds before the
# sounding saver opens it, so this waits up to 10 s for the first.
sounding_savers() {
  local file=$1 n p
  shift
  for _ in $(seq 50); do
    n=0
    for p in "$@"; do
      ls -l "/proc/$p/fd" 2>/dev/null | grep -q "$file" && n=$((n + 1))
    done
    [ $n = 0 ] || break
    sleep 0.2
  done
  echo $n
}
