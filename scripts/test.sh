#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless through ctest; then
# builds again with AddressSanitizer and UBSan and runs the tests labelled "sanitize".
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
jobs=$(nproc)

build=${BUILD_DIR:-$here/build}
bash "$here/scripts/build.sh"
(cd "$build" && ctest --output-on-failure -j"$jobs" --timeout 600)

if [ "${SKIP_SANITIZE:-0}" != "1" ]; then
  san=${SANITIZE_BUILD_DIR:-$here/build-sanitize}
  # The sanitized build sets the sanitizer options that its own steps and tests need.
  BUILD_DIR=$san BUILD_TYPE=RelWithDebInfo bash "$here/scripts/build.sh" -DPLECTRONOME_SANITIZE=ON
  (cd "$san" && ctest --output-on-failure -j"$jobs" -L sanitize --timeout 900)
fi
