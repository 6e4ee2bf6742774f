#!/usr/bin/env bash
# End to end under the real mate-screensaver daemon (Debian's package) on
# Xvfb, in a private D-Bus session, set with gsettings to run only this
# saver: activating shows the show in the daemon's window, a window laid over
# it and taken away leaves the show back within a second, and deactivating
# ends the saver without an X error. The daemon looks for savers only in
# fixed system folders: the check gives itself a private view of
# /usr/libexec/xscreensaver (a mount namespace with a bind mount), holding
# the link the README tells users of another prefix to make. The daemon
# refuses to run as root, so as root the check runs it as nobody.
#   mate_screensaver_e2e.sh build-dir path/to/x11_test_tool
# Ends with 77 (skipped) when mate-screensaver is not installed, or when
# neither a private mount namespace nor root is at hand.
set -u
build=$1
tool=$2
command -v mate-screensaver >/dev/null || { echo "SKIP: mate-screensaver is not installed"; exit 77; }
work=$(mktemp -d)
chmod 755 "$work"
laid_link=
cleanup() {
  [ -n "$laid_link" ] && rm -f /usr/libexec/xscreensaver/gobbleshot1
  for p in $(pgrep -x gobbleshot1); do
    [ "$(readlink "/proc/$p/exe")" = "$work/prefix/bin/gobbleshot1" ] && kill -9 "$p"
  done
  [ -s "$work/pids" ] && kill $(cat "$work/pids") 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
mkdir -p "$work/libexec"
ln -s "$work/prefix/bin/gobbleshot1" "$work/libexec/gobbleshot1"
mkdir -m 777 "$work/home" "$work/out"
as_user=()
[ "$(id -u)" = 0 ] && as_user=(runuser -u nobody --)
if [ "$(id -u)" != 0 ]; then
  # Without root a user namespace gives the mount namespace.
  unshare_args=(unshare -r -m)
else
  unshare_args=(unshare -m)
fi
if ! "${unshare_args[@]}" true 2>/dev/null; then
  # No namespaces here (a container without the right): as root, lay the
  # link into the real folder for the check's time only, where nothing of
  # that name is.
  if [ "$(id -u)" = 0 ] && [ ! -e /usr/libexec/xscreensaver/gobbleshot1 ]; then
    mkdir -p /usr/libexec/xscreensaver
    ln -s "$work/prefix/bin/gobbleshot1" /usr/libexec/xscreensaver/gobbleshot1
    laid_link=yes
    unshare_args=()
  else
    echo "SKIP: no private mount namespace here"
    exit 77
  fi
fi

# The rest runs inside the namespace; its output is the check's.
cat >"$work/inside.sh" <<'INSIDE'
set -u
work=$1 tool=$2 bind=$3
shift 3
as_user=("$@")
if [ "$bind" = yes ]; then
  mkdir -p /usr/libexec/xscreensaver 2>/dev/null
  mount --bind "$work/libexec" /usr/libexec/xscreensaver || { echo "FAIL: cannot bind-mount"; exit 1; }
fi
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# The daemon starts it through the link: found by the program it runs.
savers() { for p in $(pgrep -x gobbleshot1); do [ "$(readlink "/proc/$p/exe")" = "$work/prefix/bin/gobbleshot1" ] && echo "$p"; done; }
running() { [ -n "$(savers)" ]; }
u() { "${as_user[@]}" env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_DIRS="$work/prefix/share:/usr/share" \
  XDG_RUNTIME_DIR="$work/home/run" GSETTINGS_BACKEND=keyfile SDL_AUDIODRIVER=dummy DISPLAY="$DISPLAY" \
  DBUS_SESSION_BUS_ADDRESS="${bus:-}" "$@"; }
u mkdir -m 700 -p "$work/home/run"
u dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$work/out/bus"
bus=$(head -1 "$work/out/bus")
sed -n 2p "$work/out/bus" >>"$work/pids"
u gsettings set org.mate.screensaver mode single
u gsettings set org.mate.screensaver themes "['screensavers-gobbleshot1']"
u gsettings set org.mate.screensaver lock-enabled false
u gsettings set org.mate.screensaver idle-activation-enabled false
u mate-screensaver --no-daemon --debug >"$work/out/daemon.log" 2>&1 &
echo $! >>"$work/pids"
sleep 2
# The pointer out of the way of the window laid over the show below.
xdotool mousemove 1919 1079
sleep 0.5
u mate-screensaver-command --activate >/dev/null || fail "mate-screensaver did not take --activate"
for _ in $(seq 50); do running && break; sleep 0.2; done
running || fail "mate-screensaver did not start the saver: $(grep -i -m3 'command\|job' "$work/out/daemon.log")"
sleep 2.5
import -window root "$work/out/shot.png"
[ "$(convert "$work/out/shot.png" -format %k info:)" -gt 100 ] || fail "the blanked screen does not show the show"
# The daemon's window for the saver: the one the saver was given.
pid=$(savers | tail -1)
win=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
if [ -n "$win" ]; then
  ms=$("$tool" cover "$win") || ms=
  if [ -z "$ms" ] || [ "$ms" -gt 1000 ]; then
    fail "the show did not come back after a window covered it"
  else
    echo "the show was back ${ms} ms after a window covered it"
  fi
else
  fail "the saver was given no XSCREENSAVER_WINDOW"
fi
u mate-screensaver-command --deactivate >/dev/null || fail "mate-screensaver did not take --deactivate"
for _ in $(seq 30); do running || break; sleep 0.1; done
running && fail "the saver kept running after mate-screensaver deactivated"
grep -q "X Error" "$work/out/daemon.log" && fail "X error: $(grep -m1 -A3 'X Error' "$work/out/daemon.log")"
exit $((failures > 0))
INSIDE
bind=yes
[ -n "$laid_link" ] && bind=no
"${unshare_args[@]}" bash "$work/inside.sh" "$work" "$tool" "$bind" "${as_user[@]}"
rc=$?
case $rc in
  0) echo "mate-screensaver end-to-end: all passed" ;;
  77) ;;
  *) echo "mate-screensaver end-to-end: failed" ;;
esac
exit $rc
