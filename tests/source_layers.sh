#!/usr/bin/env bash
# The source folders depend one way: platform, then display, sound and
# settings, then scene, then scene_host, then startup. A file may include its
# own folder and the folders below it, never one beside or above it.
# usage: source_layers.sh SOURCE_DIR
set -euo pipefail
src=${1:?usage: $0 SOURCE_DIR}/src
declare -A rank=([platform]=0 [display]=1 [sound]=1 [settings]=1 [scene]=2 [scene_host]=3 [startup]=4)
bad=0
for dir in "${!rank[@]}"; do
  while IFS=: read -r file line text; do
    used=$(sed -E 's/^#include "([a-z_]+)\/.*/\1/' <<<"$text")
    [ -n "${rank[$used]+x}" ] || continue
    if [ "$used" != "$dir" ] && [ "${rank[$used]}" -ge "${rank[$dir]}" ]; then
      echo "${file#"$src"/}:$line: $dir may not include $used/" >&2
      bad=1
    fi
  done < <(grep -rnE '^#include "[a-z_]+/' "$src/$dir" || true)
done
exit $bad
