#!/usr/bin/env bash
# Times our analysis and `aubio tempo` (Debian package aubio-tools) on the same file, one
# after the other. Our figure is the analysis alone (best of 3 runs, decoding excluded);
# aubio's is its whole run, decoding included.
# Usage: compare_with_aubio.sh AUDIOFILE [BUILD_DIR]
set -euo pipefail
file=$1
build=${2:-$(cd "$(dirname "$0")/../.." && pwd)/build}
json=$("$build/bench/analysis/analysetrack_json" "$file" --repeat 3 2>/dev/null)
python3 - "$json" <<'PY'
import json, sys
d = json.loads(sys.argv[1])
print("plectronome: tempo %.2f BPM, %d beats, analysis %.3f s" % (d["tempo"], len(d["beats"]), d["seconds"]))
PY
if command -v aubio >/dev/null; then
  start=$(date +%s.%N)
  tempo=$(aubio tempo "$file" 2>/dev/null | tail -1)
  end=$(date +%s.%N)
  echo "aubio tempo: $tempo, whole run $(python3 -c "print('%.3f' % ($end - $start))") s"
else
  echo "aubio not installed (apt-get install aubio-tools)"
fi
