#!/usr/bin/env bash
# Mutation check of the show's logic: makes, one at a time, the one-line
# changes listed in scripts/mutations.tsv (a cue a second early, a step a
# second longer, a counter not zeroed, a sprite moving the wrong way, a wrong
# place in ResetVar, timers, input, frame composition), rebuilds only the test
# programs that link the show, runs them and reports which changes no test
# caught. Too slow for CI (a rebuild per change); run it by hand after changing
# the scene tests or the scripts:
#
#   scripts/mutation-check.sh                      # every listed change
#   scripts/mutation-check.sh -t "scene_tests"     # judge by some test programs only
#   scripts/mutation-check.sh -m cue-               # only changes whose name contains "cue-"
#
# It works on a copy of the working tree under ${TMPDIR:-/tmp} (so the tree can
# be edited meanwhile) with its own Release build through ccache, and writes
# one line per change ("caught", "SURVIVED" or "no-build") and the score to
# stdout and to the report file (-o, default mutation-report.txt in the copy).
# List format, tab-separated: file, occurrence (1 = first), text, replacement,
# name, none of them empty (\n in a text stands for a line break). The text
# must occur at least that many times in the file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
list="$top/scripts/mutations.tsv"
targets="scene_tests scene_host_tests scene_show_tests"
match=""
report=""
jobs=2
while getopts "l:t:m:o:j:" opt; do
  case $opt in
    l) list=$(realpath "$OPTARG") ;;
    t) targets=$OPTARG ;;
    m) match=$OPTARG ;;
    o) report=$(realpath -m "$OPTARG") ;;
    j) jobs=$OPTARG ;;
    *) echo "usage: $0 [-l list] [-t targets] [-m name-part] [-o report] [-j jobs]" >&2; exit 2 ;;
  esac
done

work=$(mktemp -d "${TMPDIR:-/tmp}/gs-mutation.XXXXXX")
trap 'rm -rf "$work/tree" "$work/build"' EXIT
report=${report:-$work/mutation-report.txt}
mkdir -p "$work/tree"
(cd "$top" && git ls-files -co --exclude-standard -z | xargs -0 -I{} sh -c '[ -e "$1" ] && printf "%s\0" "$1"' _ {} |
  tar --null -T - -cf -) | tar -xf - -C "$work/tree"

cmake -S "$work/tree" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DGS_BUILD_BENCH=OFF \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >"$work/configure.log"
known=$(cmake --build "$work/build" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
built=()
for t in $targets; do
  grep -qx "$t" <<<"$known" && built+=("$t")
done
[ ${#built[@]} -gt 0 ] || { echo "none of the test programs $targets exists" >&2; exit 2; }

build() { cmake --build "$work/build" -j"$jobs" --target "${built[@]}" >"$work/build.log" 2>&1; }
# 0 when every test program passes.
run_tests() {
  local t bin
  for t in "${built[@]}"; do
    bin=$(find "$work/build/tests" -type f -name "$t" -perm -u+x | head -n1)
    timeout 300 "$bin" --gtest_brief=1 >"$work/test.log" 2>&1 || { echo "$t"; return 1; }
  done
}

build || { echo "the unchanged tree does not build; see $work/build.log" >&2; trap - EXIT; exit 2; }
run_tests >/dev/null || { echo "the unchanged tree fails its tests; see $work/test.log" >&2; trap - EXIT; exit 2; }
echo "judged by: ${built[*]}" | tee "$report"

# Replaces occurrence n of text in file; fails when there are fewer.
apply() {
  python3 - "$@" <<'PY'
import sys
path, n = sys.argv[1], int(sys.argv[2])
old, new = (a.replace("\\n", "\n") for a in sys.argv[3:5])
text = open(path, encoding="utf-8").read()
at = -1
for _ in range(n):
    at = text.find(old, at + 1)
    if at < 0:
        sys.exit(f"{path}: occurrence {n} of {old!r} not found")
open(path, "w", encoding="utf-8").write(text[:at] + new + text[at + len(old):])
PY
}

caught=0 survived=0 broken=0
while IFS=$'\t' read -r file n old new name; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  [[ -n "$match" && "$name" != *"$match"* ]] && continue
  src="$work/tree/$file"
  cp "$src" "$work/original"
  if ! apply "$src" "$n" "$old" "$new"; then
    echo "bad list line: $name" >&2; exit 2
  fi
  if ! build; then
    result="no-build"; broken=$((broken + 1)); by=""
  elif by=$(run_tests); then
    result="SURVIVED"; survived=$((survived + 1))
  else
    result="caught"; caught=$((caught + 1))
  fi
  cp "$work/original" "$src"
  printf '%-9s %-40s %s\n' "$result" "$name" "$by" | tee -a "$report"
done <"$list"
build || true

total=$((caught + survived))
echo "score: $caught of $total caught ($((total ? 100 * caught / total : 0)) %), $broken did not build" | tee -a "$report"
