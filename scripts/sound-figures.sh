#!/usr/bin/env bash
# Prints the figures of the show's wave files, one row per file and folder,
# so that two builds can be set side by side:
#   len    length in seconds
#   peak   the loudest sample, dBFS
#   nearpk samples within 1 % of that peak (many: clipped flat)
#   crest  peak against RMS over the first 100 ms, dB
#   Mmax   EBU R128 momentary maximum, LUFS (ffmpeg's ebur128, with 0.4 s of
#          silence added so that short sounds are measured too)
#   rms    RMS over the first 400 ms, dBFS; the band columns are the RMS of
#          the same 400 ms filtered to 40-80 Hz, 60-120 Hz, 200-1000 Hz,
#          above 1 kHz and above 3 kHz (sinc filters with narrow transitions:
#          sox's default one is too wide for the low bands)
# usage: sound-figures.sh FOLDER [FOLDER...]   (needs sox and ffmpeg)
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 FOLDER [FOLDER...]" >&2; exit 2; }
command -v sox >/dev/null && command -v ffmpeg >/dev/null || { echo "$0: needs sox and ffmpeg" >&2; exit 2; }

files="Turkey2 crash thump whizz Impact01 Pop1 gun gunbig bow bowpop Grunt cow1 plop"

# The RMS level (dB) sox reports after the given effects.
rms() { sox "$1" -n "${@:2}" stats 2>&1 | awk '/^RMS lev dB/ { print $4 }'; }
peak() { sox "$1" -n "${@:2}" stats 2>&1 | awk '/^Pk lev dB/ { print $4 }'; }

printf '%-10s %-14s %5s %6s %6s %6s %6s %6s %6s %7s %7s %7s %7s\n' folder file len peak nearpk crest Mmax rms \
  40-80 60-120 200-1k '>1k' '>3k'
for folder in "$@"; do
  for f in $files; do
    w="$folder/$f.wav"
    [ -f "$w" ] || { printf '%-10s %-14s missing\n' "$(basename "$folder")" "$f.wav"; continue; }
    len=$(soxi -D "$w")
    pk=$(peak "$w")
    nearpk=$(sox "$w" -t dat - | awk 'NR > 2 { v = $2 < 0 ? -$2 : $2; s[NR] = v; if (v > m) m = v }
                                     END { for (i in s) n += s[i] >= 0.99 * m; print n }')
    crest=$(awk -v p="$(peak "$w" trim 0 0.1)" -v r="$(rms "$w" trim 0 0.1)" 'BEGIN { printf "%.1f", p - r }')
    mmax=$(ffmpeg -hide_banner -nostats -i "$w" -af apad=pad_dur=0.4,ebur128 -f null - 2>&1 |
           awk '/M:/ { for (i = 1; i <= NF; ++i) if ($i == "M:") { v = $(i + 1) + 0; if (!seen || v > m) m = v; seen = 1 } }
                END { printf "%.1f", seen ? m : -70 }')
    printf '%-10s %-14s %5.2f %6s %6s %6s %6s %6s %6s %7s %7s %7s %7s\n' "$(basename "$folder")" "$f.wav" "$len" \
      "$pk" "$nearpk" "$crest" "$mmax" "$(rms "$w" trim 0 0.4)" "$(rms "$w" sinc -t 10 40-80 trim 0 0.4)" \
      "$(rms "$w" sinc -t 10 60-120 trim 0 0.4)" "$(rms "$w" sinc -t 20 200-1000 trim 0 0.4)" "$(rms "$w" sinc 1000 trim 0 0.4)" \
      "$(rms "$w" sinc 3000 trim 0 0.4)"
  done
done
