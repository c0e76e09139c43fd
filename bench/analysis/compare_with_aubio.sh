#!/usr/bin/env bash
# Times our decoding + analysis and `aubio tempo` (Debian package aubio-tools) on the same
# file, one after the other, ROUNDS times each (default 3), and prints the fastest of each.
# Figures are processor times (user + system, steadier than the clock on a busy machine) of
# runs on one core: ours as measured inside the program (decoding with the mono mix, then
# the analysis) and as a whole run, which adds loading FFmpeg's shared libraries; aubio's
# as a whole run. Peak memory of both whole runs.
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
  for i in $(seq "$rounds"); do
    /usr/bin/time -f "$label %U %S %e %M" -a -o "$tmp/times" taskset -c 0 "$@" >"$tmp/$label.$i.out" 2>/dev/null
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
import glob
runs = [json.load(open(f)) for f in glob.glob(os.path.join(tmp, "ours.*.out"))]
inside_of = lambda r: r.get("decode_cpu_seconds", 0) + r.get("cpu_seconds", r["seconds"])
d = min(runs, key=inside_of)
inside = inside_of(d)
print("plectronome: tempo %.2f BPM, %d beats; decode cpu %.3f s, analysis cpu %.3f s, together %.3f s"
      % (d["tempo"], len(d["beats"]), d.get("decode_cpu_seconds", 0), d.get("cpu_seconds", d["seconds"]), inside))
for label in ("ours", "aubio"):
    if label in best:
        cpu, wall, rss = best[label]
        print("%-6s whole run: cpu %.3f s, wall %.3f s, peak memory %.1f MB" % (label, cpu, wall, rss))
if "aubio" in best:
    print("aubio tempo said: %s" % open(os.path.join(tmp, "aubio.1.out")).read().strip().splitlines()[-1])
    print("ours / aubio (cpu): decode + analysis %.2f, whole runs %.2f"
          % (inside / best["aubio"][0], best["ours"][0] / best["aubio"][0]))
PY
