#!/usr/bin/env bash
# The source folders depend one way: platform, then display, sound and
# settings, then scene, then scene_host, then startup. A file may include its
# own folder and the folders below it, never one beside or above it.
# usage: source_layers.sh SOURCE_DIR
set -euo pipefail
cd "${1:?usage: $0 SOURCE_DIR}/src"
grep -rnE '^#include "[a-z_]+/' platform display sound settings scene scene_host startup | awk -F: '
  BEGIN { rank["platform"] = 0; rank["display"] = 1; rank["sound"] = 1; rank["settings"] = 1
          rank["scene"] = 2; rank["scene_host"] = 3; rank["startup"] = 4 }
  {
    split($1, path, "/"); dir = path[1]
    used = $3; sub(/^#include "/, "", used); sub(/\/.*/, "", used)
    if (used in rank && used != dir && rank[used] >= rank[dir]) {
      printf "%s:%s: %s may not include %s/\n", $1, $2, dir, used > "/dev/stderr"; bad = 1
    }
  }
  END { exit bad }'
