#!/usr/bin/env bash
# Installs what is missing, builds the program alone (no tests, no benchmarks) and starts
# Plectronome (any arguments go to the program: a song or a session to open).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh" --target plectronome
exec "${BUILD_DIR:-$here/build}/plectronome" "$@"
