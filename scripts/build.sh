#!/usr/bin/env bash
# Configures and builds Plectronome into build/ (or $BUILD_DIR): everything, or only the
# targets named with --target (and what they need). Other arguments go to cmake's configure.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
launcher=()
# Rebuilds in several checkouts of the tree share one compiler cache when ccache is there.
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
configure=()
targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--target" ] && [ $# -gt 1 ]; then
    targets+=(--target "$2")
    shift 2
  else
    configure+=("$1")
    shift
  fi
done
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "${launcher[@]}" "${configure[@]}" >/dev/null
cmake --build "$build" -j"${BUILD_JOBS:-$(nproc)}" "${targets[@]}"
