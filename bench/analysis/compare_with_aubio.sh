#!/usr/bin/env bash
# Times our decoding + analysis and `aubio tempo` (Debian package aubio-tools) on the same
# file, one after the other, ROUNDS times each (default 3), and prints the fastest of each.
# Both figures are whole runs of one process on one core, decoding included: processor time
# (user + system, steady on a busy machine) and wall time, with the peak memory.
# Usage: compare_with_aubio.sh AUDIOFILE [BUILD_DIR] [ROUNDS]
set -euo pipefail
file=$1
build=${2:-$(cd "$(dirname "$0")/../.." && pwd)/build}
rounds=${3:-3}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

measure() { # label, command...
  local label=$1
  shift
  for _ in $(seq "$rounds"); do
    /usr/bin/time -f "$label %U %S %e %M" -a -o "$tmp/times" taskset -c 0 "$@" >"$tmp/$label.out" 2>/dev/null
  done
}

measure ours "$build/bench/analysis/analysetrack_json" "$file"
if command -v aubio >/dev/null; then
  measure aubio aubio tempo "$file"
else
  echo "aubio not installed (apt-get install aubio-tools)"
fi
python3 - "$tmp" <<'PY'
import json, sys, os
tmp = sys.argv[1]
best = {}
for line in open(os.path.join(tmp, "times")):
    label, user, system, wall, rss = line.split()
    cpu = float(user) + float(system)
    if label not in best or cpu < best[label][0]:
        best[label] = (cpu, float(wall), int(rss) / 1024.0)
d = json.load(open(os.path.join(tmp, "ours.out")))
print("plectronome: tempo %.2f BPM, %d beats; decode cpu %.3f s, analysis cpu %.3f s"
      % (d["tempo"], len(d["beats"]), d.get("decode_cpu_seconds", 0), d.get("cpu_seconds", d["seconds"])))
for label in ("ours", "aubio"):
    if label in best:
        cpu, wall, rss = best[label]
        print("%-6s whole run: cpu %.3f s, wall %.3f s, peak memory %.1f MB" % (label, cpu, wall, rss))
if "aubio" in best:
    print("aubio tempo said: %s" % open(os.path.join(tmp, "aubio.out")).read().strip().splitlines()[-1])
    print("ours / aubio (cpu): %.2f" % (best["ours"][0] / best["aubio"][0]))
PY
