#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the tree elsewhere and
# runs the saver from its new place under Xvfb: it must still find its data.
#   install_e2e.sh build-dir
set -u
build=$1
work=$(mktemp -d)
saver=
cleanup() {
  [ -n "$saver" ] && kill -9 "$saver" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$work/first" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
mv "$work/first" "$work/moved"
p=$work/moved
[ -x "$p/bin/gobbleshot1" ] || fail "no bin/gobbleshot1"
[ -x "$p/libexec/gobbleshot1/gobbleshot1-setup" ] || fail "no libexec/gobbleshot1/gobbleshot1-setup"
# "/c" from the moved tree finds the dialog program: without a display, the
# dialog itself says so.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p/bin/gobbleshot1" /c 2>&1)
case $out in
  *"no display to show the settings on"*) ;;
  *) fail "/c from the moved tree did not reach the dialog: $out" ;;
esac
data=$p/share/gobbleshot1
[ "$(find "$data" -iname '*.bmp' | wc -l)" = 177 ] || fail "not 177 pictures in share/gobbleshot1"
[ "$(find "$data" -iname '*.wav' | wc -l)" = 13 ] || fail "not 13 sounds in share/gobbleshot1"
[ -f "$data/support.htm" ] || fail "no support.htm"
grep -q '^\.TH GOBBLESHOT1 6' "$p/share/man/man6/gobbleshot1.6" 2>/dev/null || fail "no man page in section 6"
grep -q '^\.SH ENVIRONMENT' "$p/share/man/man6/gobbleshot1.6" 2>/dev/null || fail "the man page has no ENVIRONMENT"
grep -q '^Exec=gobbleshot1 /c' "$p/share/applications/gobbleshot1-settings.desktop" 2>/dev/null ||
  fail "no desktop entry for the settings dialog"
grep -q '^Categories=Screensaver;' "$p/share/applications/screensavers/gobbleshot1.desktop" 2>/dev/null ||
  fail "no screen-saver desktop entry"
grep -q '<screensaver name="gobbleshot1"' "$p/share/xscreensaver/config/gobbleshot1.xml" 2>/dev/null ||
  fail "no xscreensaver settings description"

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# Runs the saver at $1 and checks that it found its pictures ($2 says how
# it was started), then ends it with a key.
shows_pictures() {
  "$1" /s 2>"$work/err" &
  saver=$!
  sleep 2
  kill -0 $saver 2>/dev/null || fail "the saver $2 did not keep running: $(cat "$work/err")"
  import -window root "$work/shot.png"
  [ "$(convert "$work/shot.png" -format %k info:)" -gt 100 ] || fail "the saver $2 shows no pictures"
  xdotool key a
  for _ in $(seq 10); do kill -0 $saver 2>/dev/null || break; sleep 0.1; done
  kill -0 $saver 2>/dev/null && fail "a key did not end the saver $2"
  saver=
}
shows_pictures "$p/bin/gobbleshot1" "of the moved tree"
# Where mate-screensaver and xfce4-screensaver look: a relative link, and a
# copy of the program laid in its place by hand.
[ "$(readlink "$p/libexec/xscreensaver/gobbleshot1")" = ../../bin/gobbleshot1 ] ||
  fail "libexec/xscreensaver/gobbleshot1 is no relative link to bin/gobbleshot1"
shows_pictures "$p/libexec/xscreensaver/gobbleshot1" "started through the libexec link"
cp --remove-destination "$p/bin/gobbleshot1" "$p/libexec/xscreensaver/gobbleshot1"
shows_pictures "$p/libexec/xscreensaver/gobbleshot1" "copied into libexec/xscreensaver"

if [ $failures -eq 0 ]; then
  echo "install end-to-end: all passed"
  exit 0
fi
echo "install end-to-end: $failures failed"
exit 1
