#!/usr/bin/env bash
# Builds the Debian packages gobbleshot1 and gobbleshot1-data from this tree
# into an output folder (build-deb/ unless given), installing the build
# dependencies first when some are missing. The build runs in a temporary
# copy of the tree, so the tree and its parent folder get no build products.
#   scripts/build-deb.sh [output-folder]
# DEB_BUILD_OPTIONS is passed on: "nocheck" skips the tests, "parallel=N"
# sets the jobs (all cores unless given).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/build-deb}")
case " ${DEB_BUILD_OPTIONS:-} " in
  *" parallel="*) ;;
  *) export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/gobbleshot1
mkdir -p "$src" "$out"

# The source is what git tracks or would track, as it is in the working tree;
# outside a git checkout, everything but the build trees.
if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$top" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf -) | tar -C "$src" -xf -
else
  tar -C "$top" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$src" -xf -
fi

profiles=()
case " $DEB_BUILD_OPTIONS " in *" nocheck "*) profiles=(-Pnocheck) ;; esac
if ! (cd "$src" && dpkg-checkbuilddeps "${profiles[@]}" >/dev/null 2>&1); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  (cd "$src" && DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -q "${profiles[@]}" ./)
fi

log=$out/build.log
echo "Building the packages (log: $log)"
if ! (cd "$src" && dpkg-buildpackage -us -uc -b "${profiles[@]}") >"$log" 2>&1; then
  tail -40 "$log"
  echo "build-deb: the package build failed; the whole log is $log" >&2
  exit 1
fi
rm -f "$out"/gobbleshot1*.deb "$out"/gobbleshot1*.changes "$out"/gobbleshot1*.buildinfo
mv "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out"/
ls -l "$out"/*.deb
