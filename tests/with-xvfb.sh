#!/usr/bin/env bash
# Runs a command against a private Xvfb server of its own (1920 x 1080 unless
# GS_XVFB_SCREEN says otherwise), so that tests may run in parallel and on a
# machine without a display.
set -u
screen=${GS_XVFB_SCREEN:-1920x1080x24}
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset +extension RANDR 3>"$fifo" >/dev/null 2>&1 &
xpid=$!
read -r -t 20 num <"$fifo"
rm -f "$fifo"
if [ -z "${num:-}" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  kill "$xpid" 2>/dev/null
  exit 1
fi
export DISPLAY=":$num"
"$@"
rc=$?
kill "$xpid" 2>/dev/null
wait "$xpid" 2>/dev/null
exit $rc
