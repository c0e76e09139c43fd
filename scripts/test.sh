#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless through ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
cd "${BUILD_DIR:-$here/build}"
ctest --output-on-failure -j"$(nproc)"
