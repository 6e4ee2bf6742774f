#!/usr/bin/env bash
# Installs what is needed, builds the saver and starts it full screen.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release -DGS_BUILD_TESTS=OFF -DGS_BUILD_BENCH=OFF
cmake --build "$top/build" -j"$(nproc)"
exec "$top/build/gobbleshot1" /s
