#!/usr/bin/env bash
# Installs the Debian 12 packages the saver needs to build, run and test.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2046
$sudo apt-get install -y -q --no-install-recommends $(grep -v '^#' "$here/packages.txt")
