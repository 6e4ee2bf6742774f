#!/usr/bin/env bash
# Installs what is needed, builds the Release and the ASan+UBSan trees and
# runs every test in both, then tests the Debian packages.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
jobs=$(nproc)
status=0
passed=0 failed=0 skipped=0
for variant in release asan; do
  dir="$top/build"
  args=(-DCMAKE_BUILD_TYPE=Release)
  if [ "$variant" = asan ]; then
    dir="$top/build-asan"
    args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DGS_SANITIZE=ON -DGS_BUILD_BENCH=OFF)
  fi
  echo "== $variant build in $dir"
  cmake -S "$top" -B "$dir" "${args[@]}" >/dev/null
  cmake --build "$dir" -j"$jobs"
  echo "== $variant tests"
  log="$dir/ctest-summary.log"
  rc=0
  (cd "$dir" && ctest --output-on-failure -j"$jobs") 2>&1 | tee "$log" || rc=$?
  [ $rc -eq 0 ] || status=1
  # "N% tests passed, F tests failed out of T"
  f= t=
  read -r f t < <(sed -n 's/.* \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$log" | tail -1) || true
  # ctest counts a skipped test (exit 77: a server or host it needs is not
  # here) as not failed; it lists each as "(Skipped)".
  s=$(grep -c '(Skipped)' "$log" || true)
  if [ -n "${t:-}" ]; then
    passed=$((passed + t - f - s)) failed=$((failed + f)) skipped=$((skipped + s))
  else
    failed=$((failed + 1))
  fi
done
# The packages go into /usr for a moment, so this runs after every other
# test; the unit tests ran above, so the package build skips them.
echo "== Debian packages"
rc=0
DEB_BUILD_OPTIONS="nocheck parallel=$jobs" "$top/tests/with-xvfb.sh" "$top/tests/dist/package_e2e.sh" || rc=$?
case $rc in
  0) passed=$((passed + 1)) ;;
  77) skipped=$((skipped + 1)) ;;
  *) failed=$((failed + 1)) status=1 ;;
esac
# One closing line over both builds' suites and the package test.
echo "Suites: $passed passed, $failed failed, $skipped skipped"
exit $status
