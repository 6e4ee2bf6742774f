#!/usr/bin/env bash
# End to end under Xvfb, a plain X server without zenity or the X core
# fonts: when the display cannot be opened the error box shows on the
# screen, its text goes to stderr, OK ends the saver with status 1; in a
# host's window the box is not shown at all (the host waits for the saver).
set -u
bin=$1
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM  # the box is to show on the X server
fail() { echo "FAIL: $*"; exit 1; }
title="Error opening Direct Draw!"

# A video driver that does not exist makes the display fail on a live server.
# Into a host's window: stderr only, and the saver ends at once.
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
SDL_VIDEODRIVER=nonexistent XSCREENSAVER_WINDOW=$root timeout 10 "$bin" /s 2>"$work/err2"
status=$?
[ $status -eq 1 ] || fail "a failed display in a host's window gave status $status, not 1"
grep -q "^$title" "$work/err2" || fail "no error text on stderr in a host's window"

# Full screen: the box shows.
SDL_VIDEODRIVER=nonexistent "$bin" /s 2>"$work/err" & pid=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -1)
[ -n "$box" ] || fail "no error box on the screen"
import -window root "$work/box.png"
colours=$(convert "$work/box.png" -format %k info:)
[ "$colours" -gt 2 ] || fail "the screen shows only $colours colours, not a box"
kill -0 $pid 2>/dev/null || fail "the saver did not wait for the box"
xdotool windowfocus --sync "$box"
xdotool key --window "$box" Return 2>/dev/null  # the key-up finds the box gone
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "OK did not end the saver"
wait $pid
status=$?
[ $status -eq 1 ] || fail "the saver ended with status $status, not 1"
grep -q "^$title" "$work/err" || fail "no error text on stderr"
grep -q "Try changing the color setting to 16-bit" "$work/err" || fail "the text is not on stderr"
[ -e "$XDG_RUNTIME_DIR/gobbleshot1.running" ] && fail "a running-saver flag after a failed start"

echo "error box end-to-end: 1 passed, 0 failed"
