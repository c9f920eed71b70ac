#!/bin/bash
# Measures every performance figure again: idle CPU of the title and play scenes
# in a real (virtual X) window, the cost of a play-scene frame against plain
# copies, start to first frame with and without the colour-table cache, the
# solver over all 32 stages, the full headless playthrough, the hint search and the
# browser build's first frame and frame rate in headless Chromium.
# Usage: scripts/perf.sh [build-dir]   (default build-perf; built here, -j2)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-perf}")
run="$build/run"
runs=5

# Prints the median of each command in a hyperfine JSON export, then removes it.
print_medians() {
  python3 -c 'import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print("median %-40s %8.1f ms" % (r["command"], 1000 * r["median"]))' "$1"
  rm -f "$1"
}
json=$(mktemp)

echo "== machine: $(nproc) cores, $(uptime)"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target vaulmoor vaulmoor_first_frame vaulmoor-solve \
  gfx_core_bench frame_bench playthrough_tests hint_bench >/dev/null

echo "== colour tables (in process, median of 9)"
(cd "$run" && "$build/bench/gfx_core_bench")

# Runs frame_bench with the given launcher and prints the medians (CPU time) and
# each frame in plain copies of the display bytes. The frame proper is drawing
# plus conversion: a changed frame less the renderer's redraw of the window.
frame_costs() {
  local out
  out=$(mktemp)
  (cd "$run" && "$@" "$build/bench/frame_bench" --benchmark_repetitions=$runs \
    --benchmark_report_aggregates_only=true --benchmark_out="$out" --benchmark_out_format=json >/dev/null)
  python3 -c 'import json, sys
m = {b["run_name"]: b["cpu_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
     if b.get("aggregate_name") == "median"}
for name, t in m.items():
    print("median %-20s %7.1f us" % (name, t))
copy = m["DisplayBytesCopy"]
print("idle play frame (picture unchanged):            %.1f copies" % (m["PlayFrame"] / copy))
print("changed play frame, drawing + conversion:       %.1f copies" % ((m["PlayFrameChanging"] - m["WindowRedraw"]) / copy))
print("changed play frame and the window redrawn:      %.1f copies" % (m["PlayFrameChanging"] / copy))' "$out"
  rm -f "$out"
}
echo "== play-scene frame against a plain copy of the same display bytes (Xvfb window)"
frame_costs xvfb-run -a -s "-screen 0 1024x768x24"
echo "== the same without an X server (SDL's dummy video: software renderer into memory)"
frame_costs env SDL_VIDEODRIVER=dummy

# Start-up times scatter more than the others (X server, dynamic loading): 20 runs.
starts=20
echo "== start to first presented frame in a window ($starts runs each)"
saved=$(mktemp)
cp "$run/palfile.dat" "$saved" 2>/dev/null || (cd "$run" && xvfb-run -a ./vaulmoor_first_frame --window && cp palfile.dat "$saved")
(cd "$run" && xvfb-run -a -s "-screen 0 1024x768x24" hyperfine --export-json "$json" -N --warmup 2 --runs $starts \
  --prepare "cp $saved palfile.dat" -n "palfile.dat present" "./vaulmoor_first_frame --window" \
  --prepare "rm -f palfile.dat" -n "palfile.dat absent" "./vaulmoor_first_frame --window")
print_medians "$json"
if cmp -s "$saved" "$run/palfile.dat"; then echo "rebuilt palfile.dat is byte-identical to the kept one"
else echo "rebuilt palfile.dat DIFFERS from the kept one"; fi
rm -f "$saved"

# Idle CPU of the program in a window: utime+stime from /proc/PID/stat over ten
# seconds, starting `from` seconds after start, driven by the given script.
idle_cpu() {
  local name=$1 from=$2 script=$3
  local file
  file=$(mktemp)
  printf '%s\n' "$script" >"$file"
  (cd "$run" && xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    ./vaulmoor --window --scale 2 --script "$1" & pid=$!
    sleep "$2"
    ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
    before=$(ticks); sleep 10; after=$(ticks)
    hz=$(getconf CLK_TCK)
    awk -v b="$before" -v a="$after" -v hz="$hz" -v n="$3" \
      "BEGIN { printf \"%-6s idle: %.2f%% of one core over 10 s\\n\", n, 100 * (a - b) / hz / 10 }"
    wait $pid || true' idle "$file" "$from" "$name")
  rm -f "$file"
}
echo "== idle CPU in a window"
idle_cpu title 6 "22000 close"
idle_cpu play 12 $'5000 down space\n5100 up space\n28000 close'

echo "== solver, all 32 stages ($runs runs)"
(cd "$root" && hyperfine --export-json "$json" -N --warmup 1 --runs $runs \
  "$build/tools/vaulmoor-solve data/stage.dat")
print_medians "$json"
(cd "$root" && "$build/tools/vaulmoor-solve" data/stage.dat | awk '
  /states explored/ { for (i = 1; i <= NF; i++) if ($(i) ~ /^states/) n += $(i - 1) }
  END { print "states explored over all stages:", n }')

echo "== full headless playthrough, title to ending ($runs runs)"
(cd "$build/tests/tools" && hyperfine --export-json "$json" -N --runs $runs \
  "./playthrough_tests --gtest_filter=Playthrough.EveryStageToTheEnding")
print_medians "$json"

echo "== hint search: every position of the kept solutions and 1000 random walks per stage"
"$build/bench/hint_bench" 1000

# The browser build: scripts/web.sh makes it (and the npm packages the benchmark drives
# Chromium with), then cold starts in headless Chromium on a plain and a compressing host.
echo "== the browser build in headless Chromium"
(cd "$root" && scripts/web.sh >/dev/null && node bench/web.mjs build-web/site $runs)
