#!/bin/bash
# Pictures for reviewing the art: the show every few seconds as a montage, a
# few first-run frames with the notices, and the contact sheet of every
# picture, each side by side with an earlier build when one is given.
#
#   scripts/art-review.sh [--build DIR] [--before DIR] [--every S] [--length S] OUT
#
#   --build DIR   a build tree (or a copy of one) holding gobbleshot1-render and
#                 share/gobbleshot1; default: build/ beside this script's folder
#   --before DIR  the same for the earlier state (for example a copy of the
#                 build tree made before a change: gobbleshot1-render and share/)
#   --every S     seconds between the montage's frames (default 2)
#   --length S    how much of the show (default 184, one whole show)
#
# Writes into OUT: show-after.png (and show-before.png, show-before-after.png),
# first-run-*.png, contact-sheet-before-after.png, frames/<state>/*.png.
# The clock and the message are switched on so that the text is reviewed too.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
before=
every=2
length=184
out=
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --before) before=$2; shift 2 ;;
    --every) every=$2; shift 2 ;;
    --length) length=$2; shift 2 ;;
    -h|--help) sed -n '2,17p' "$0"; exit 0 ;;
    -*) echo "art-review.sh: unknown option $1" >&2; exit 2 ;;
    *) out=$1; shift ;;
  esac
done
[ -n "$out" ] || { echo "art-review.sh: give the folder to write into" >&2; exit 2; }
for tool in montage convert; do
  command -v $tool >/dev/null || { echo "art-review.sh: needs ImageMagick ($tool)" >&2; exit 1; }
done
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Settings of a run that has seen its first start: clock and message on.
# notices: True (already shown) or False (still to come).
settings() {
  local dir=$tmp/cfg-$1
  mkdir -p "$dir/gobbleshot1"
  cat >"$dir/gobbleshot1/settings.ini" <<EOF
[Sound]
SoundCow=1
SoundGuns=1
SoundTurkey=1
[System]
Clock=1
FontSize=24
FontSizeMsg=16
Message=Place a message here or turn off
MouseSens=4
RunMonitor=$1
ShowMessage=1
TunePC=6
TuneScrSvr=$1
PwrSave=0
[Volume]
VolumeCow=0
VolumeGuns=0
VolumeTurkey=0
[Startup]
SetReg=2
EOF
  echo "$dir"
}

# frames STATE TREE: the show every $every seconds, labelled with the time.
frames() {
  local state=$1 tree=$2 cfg
  cfg=$(settings True)
  mkdir -p "$out/frames/$state"
  local t
  for t in $(seq 0 "$every" "$length"); do
    # A little after the second, so that the frame shows that second's picture.
    local f=$out/frames/$state/$(printf '%07.2f' "$t").png
    XDG_CONFIG_HOME=$cfg nice "$tree/gobbleshot1-render" --snapshot "$t.3" --out "$f"
  done
  montage -label '%t' "$out/frames/$state"/*.png -tile 8x -geometry 200x150+4+4 -pointsize 12 -font DejaVu-Sans \
    "$out/show-$state.png"
  cfg=$(settings False)
  for t in 5.3 35.3; do
    XDG_CONFIG_HOME=$cfg nice "$tree/gobbleshot1-render" --snapshot $t --out "$tmp/first-$state-$t.png"
  done
  convert "$tmp/first-$state-5.3.png" "$tmp/first-$state-35.3.png" +append "$out/first-run-$state.png"
}

labelled() {  # labelled IN TEXT OUT
  convert "$1" -gravity north -background white -splice 0x40 -font DejaVu-Sans -pointsize 28 -annotate +0+4 "$2" "$3"
}

frames after "$build"
if [ -n "$before" ]; then
  frames before "$before"
  labelled "$out/show-before.png" before "$tmp/sb.png"
  labelled "$out/show-after.png" after "$tmp/sa.png"
  convert "$tmp/sb.png" "$tmp/sa.png" +append "$out/show-before-after.png"
  convert "$out/first-run-before.png" "$out/first-run-after.png" -append "$out/first-run-before-after.png"
  sheet_b=$before/share/gobbleshot1/contact-sheet.png
  sheet_a=$build/share/gobbleshot1/contact-sheet.png
  if [ -f "$sheet_b" ] && [ -f "$sheet_a" ]; then
    labelled "$sheet_b" before "$tmp/cb.png"
    labelled "$sheet_a" after "$tmp/ca.png"
    convert "$tmp/cb.png" "$tmp/ca.png" +append -resize 50% "$out/contact-sheet-before-after.png"
  fi
fi
echo "art-review.sh: wrote $out"
