#!/usr/bin/env bash
# Installs what is needed, builds the Release and the ASan+UBSan trees and
# runs every test in both, then tests the Debian packages.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
jobs=$(nproc)
status=0
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
  (cd "$dir" && ctest --output-on-failure -j"$jobs") || status=1
done
# The packages go into /usr for a moment, so this runs after every other
# test; the unit tests ran above, so the package build skips them.
echo "== Debian packages"
rc=0
DEB_BUILD_OPTIONS="nocheck parallel=$jobs" "$top/tests/with-xvfb.sh" "$top/tests/dist/package_e2e.sh" || rc=$?
[ $rc -eq 0 ] || [ $rc -eq 77 ] || status=1
exit $status
