#!/usr/bin/env bash
# Installs what is missing, builds, and starts Plectronome (any arguments go to the program).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh"
exec "${BUILD_DIR:-$here/build}/plectronome" "$@"
