#!/usr/bin/env bash
# What the user's message costs the running saver: its CPU share and peak
# memory (bench/cpu_share.sh) with messages of several lengths and font
# sizes. Several programs (before and after a change) are measured in turn,
# so that their figures come from the same run on a noisy machine.
#
#   bench/message_cost.sh [seconds] [path/to/gobbleshot1 ...]
#
# GS_CASES lists the cases as characters:size (default "12:16 32767:16
# 32767:200").
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift
[ $# -eq 0 ] && set -- "$top/build/gobbleshot1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

settings() {  # characters, size: a settings file with that message
  local message
  message=$(head -c $(($1 * 2)) /dev/zero | tr '\0' 'x' | sed 's/xx/W /g' | head -c "$1")
  printf '[Startup]\nSetReg=2\n[System]\nClock=0\nFontSize=24\nShowMessage=1\nMessage=%s\nFontSizeMsg=%s\nMouseSens=4\nTunePC=6\nPwrSave=0\nTuneScrSvr=True\nRunMonitor=True\n[Sound]\nSoundTurkey=1\nSoundGuns=1\nSoundCow=1\n[Volume]\nVolumeTurkey=0\nVolumeGuns=0\nVolumeCow=0\n' \
    "$message" "$2"
}

first=1
for case in ${GS_CASES:-12:16 32767:16 32767:200}; do
  chars=${case%%:*} size=${case##*:}
  settings "$chars" "$size" >"$work/settings.ini"
  for bin in "$@"; do
    GS_SETTINGS=$work/settings.ini GS_LABEL="$(basename "$bin") $chars@$size" GS_HACKS=0 \
      "$top/bench/cpu_share.sh" "$bin" "$seconds" | if [ $first = 1 ]; then cat; else tail -n +2; fi
    first=0
  done
done
