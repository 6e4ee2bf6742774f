#!/usr/bin/env bash
# Runs a command against a private Xvfb server of its own (1920 x 1080 unless
# GS_XVFB_SCREEN says otherwise), so that tests may run in parallel and on a
# machine without a display.
set -u
. "$(dirname "$0")/../scripts/xvfb.sh"
work=$(mktemp -d)
start_xvfb "${GS_XVFB_SCREEN:-1920x1080x24}" "$work" || { rmdir "$work"; exit 1; }
rmdir "$work"
export DISPLAY=$xvfb_display
"$@"
rc=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $rc
