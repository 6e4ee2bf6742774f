#!/usr/bin/env bash
# The version the build gives the program is the one the package, the man
# page and the AppStream release say, so a release bump that forgets one of
# them fails here.
# usage: version_agrees.sh SOURCE_DIR VERSION
set -euo pipefail
top=${1:?usage: $0 SOURCE_DIR VERSION}
version=${2:?usage: $0 SOURCE_DIR VERSION}
bad=0
check() {  # what, found
  if [ "$2" != "$version" ]; then
    echo "version_agrees: $1 says \"$2\", the build $version" >&2
    bad=1
  fi
}
check debian/changelog "$(sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p' "$top/debian/changelog")"
check "man page" "$(sed -n '1s/^\.TH .*"Gobbleshot1 \([^"]*\)".*/\1/p' "$top/dist/gobbleshot1.6")"
check "AppStream release" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$top"/dist/*.metainfo.xml | head -n1)"
exit $bad
