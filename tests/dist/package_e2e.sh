#!/usr/bin/env bash
# The Debian packages end to end: builds them with scripts/build-deb.sh,
# checks them with lintian, installs them with apt on this machine, runs the
# installed saver and dialog under the X server of $DISPLAY (start it with
# tests/with-xvfb.sh) and removes the packages again, also when a check
# fails. Needs root (or sudo). The packages go into /usr: run it while no
# other test runs.
#   package_e2e.sh
# Ends with 77 (skipped) when it may not install packages, or when the
# packages are installed already (a person's install is not replaced).
set -u
top=$(cd "$(dirname "$0")/../.." && pwd)
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo -n true 2>/dev/null || { echo "SKIP: installing packages needs root or sudo"; exit 77; }
  sudo="sudo"
fi
for p in gobbleshot1 gobbleshot1-data; do
  if dpkg-query -W -f '${db:Status-Status}' "$p" 2>/dev/null | grep -qv '^not-installed$'; then
    echo "SKIP: $p is installed already; it is left as it is"
    exit 77
  fi
done
work=$(mktemp -d)
chmod 755 "$work"
saver=
installed=
apt_get() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=300 "$@"; }
cleanup() {
  [ -n "$saver" ] && kill -9 "$saver" 2>/dev/null
  [ -n "$installed" ] && apt_get purge gobbleshot1 gobbleshot1-data >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
passed=0
failed=0
check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $what"
    failed=$((failed + 1))
  fi
}
finish() {
  echo "Debian package: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}
gone_within() {  # gone_within tenths pid
  for _ in $(seq "$1"); do kill -0 "$2" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}
shows_pictures() {  # the screen shows far more colours than a blank one
  import -window root "$work/shot.png" &&
    [ "$(convert "$work/shot.png" -format %k info:)" -gt 100 ]
}

out=$work/out
start=$(date +%s)
"$top/scripts/build-deb.sh" "$out" || { failed=1; finish; }
echo "package build: $(($(date +%s) - start)) s"
deb_saver=$(echo "$out"/gobbleshot1_*.deb)
deb_data=$(echo "$out"/gobbleshot1-data_*.deb)
check "gobbleshot1-data is not architecture-independent" \
  test "$(dpkg-deb -f "$deb_data" Architecture)" = all
check "gobbleshot1-data holds more than the pictures, sounds and help page" \
  test -z "$(dpkg-deb -c "$deb_data" | awk '$1 !~ /^d/ {print $6}' |
    grep -v -e '^\./usr/share/gobbleshot1/' -e '^\./usr/share/doc/gobbleshot1-data/')"
check "gobbleshot1 holds data files" \
  test -z "$(dpkg-deb -c "$deb_saver" | grep -i -e '\.bmp$' -e '\.wav$')"

as_user=()  # lintian warns against running as root
if [ "$(id -u)" = 0 ]; then
  as_user=(runuser -u nobody --)
  chmod -R a+rX "$out"
fi
"${as_user[@]}" lintian --fail-on error,warning "$out"/*.changes >"$work/lintian" 2>&1
rc=$?
sed 's/^/lintian: /' "$work/lintian"
check "lintian found errors or warnings" test $rc -eq 0

installed=1  # before apt starts: a signal during the install must remove it too
apt_get install --no-install-recommends "$deb_saver" "$deb_data" >"$work/apt.log" 2>&1
if [ "$(dpkg-query -W -f '${db:Status-Abbrev}\n' gobbleshot1 gobbleshot1-data 2>/dev/null | grep -c '^ii')" != 2 ]; then
  echo "FAIL: apt did not install the packages: $(tail -5 "$work/apt.log")"
  failed=$((failed + 1))
  finish
fi
files=$(dpkg-query -L gobbleshot1 gobbleshot1-data)

check "/usr/libexec/xscreensaver/gobbleshot1 does not resolve to the saver" \
  test "$(readlink -e /usr/libexec/xscreensaver/gobbleshot1)" = /usr/bin/gobbleshot1
check "not 177 pictures and 13 sounds in /usr/share/gobbleshot1" \
  test "$(find /usr/share/gobbleshot1 -iname '*.bmp' | wc -l)/$(find /usr/share/gobbleshot1 -iname '*.wav' | wc -l)" = 177/13
metainfo=/usr/share/metainfo/org.example.gobbleshot1.metainfo.xml
verdict=$(appstreamcli validate --no-net "$metainfo" 2>&1)
rc=$?
check "AppStream metainfo not accepted: $verdict" test $rc -eq 0

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
/usr/bin/gobbleshot1 /s 2>"$work/err" &
saver=$!
sleep 2
check "the installed saver did not keep running: $(cat "$work/err")" kill -0 $saver
check "the installed saver shows no pictures" shows_pictures
xdotool key a
check "a key did not end the installed saver" gone_within 10 $saver
wait $saver
rc=$?
check "the installed saver ended with status $rc" test $rc -eq 0
saver=

# The way mate-screensaver starts it, through the link.
/usr/libexec/xscreensaver/gobbleshot1 /s 2>"$work/err" &
saver=$!
sleep 2
check "the saver through the host link shows no pictures: $(cat "$work/err")" shows_pictures
kill $saver 2>/dev/null
check "the saver through the host link ignored SIGTERM" gone_within 10 $saver
saver=

# "/c": the dialog program with its Qt platform plugin.
env -u QT_QPA_PLATFORM /usr/bin/gobbleshot1 /c 2>"$work/err" &
saver=$!
timeout 15 xdotool search --sync --name '^Gobbleshot Control Box$' >/dev/null
rc=$?
check "the installed dialog did not open: $(cat "$work/err")" test $rc -eq 0
kill $saver 2>/dev/null
gone_within 30 $saver
saver=

apt_get purge gobbleshot1 gobbleshot1-data >"$work/apt.log" 2>&1
rc=$?
check "apt did not remove the packages: $(tail -5 "$work/apt.log")" test $rc -eq 0
installed=
left=$(for f in $files; do [ -f "$f" ] || [ -L "$f" ] && echo "$f"; done)
check "files left after removal: $left" test -z "$left"
finish
