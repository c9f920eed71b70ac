#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehavior-
# Sanitizer on) in build-fuzz and runs each one over its seed corpus.
#   scripts/fuzz.sh --short [SECONDS]   every target for SECONDS (default 5) each
#   scripts/fuzz.sh --long SECONDS      every target for SECONDS each, figures kept
#                                       in build-fuzz/fuzz-record.txt
# Further options: --jobs N runs N targets at a time (default 1); names after the
# options pick targets. New inputs go to build-fuzz/corpus/<target>/, crashes to
# build-fuzz/artifacts/; the repository's seeds in fuzz/corpus/ are only read.
# Exit status 1 when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${VAULMOOR_FUZZ_BUILD:-$root/build-fuzz}

mode=short seconds=5 jobs=1 targets=()
while (($#)); do
  case $1 in
    --short) mode=short; if [[ ${2:-} =~ ^[0-9]+$ ]]; then seconds=$2; shift; fi ;;
    --long) mode=long; seconds=${2:?--long needs SECONDS}; shift ;;
    --jobs) jobs=${2:?--jobs needs N}; shift ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done
all_targets=(stage_file_fuzz save_file_fuzz palette_bitmap_fuzz palette_cache_fuzz bitmap_fuzz
  raw_bitmap_fuzz wave_fuzz script_fuzz records_file_fuzz move_file_fuzz)
((${#targets[@]})) || targets=("${all_targets[@]}")

instrument="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"
mkdir -p "$build"
nice -n 10 cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAULMOOR_FUZZ=ON -DVAULMOOR_TESTS=OFF -DVAULMOOR_BENCH=OFF \
  "-DCMAKE_C_FLAGS=$instrument" "-DCMAKE_CXX_FLAGS=$instrument" >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log" >&2; exit 1; }
nice -n 10 cmake --build "$build" --target "${targets[@]}" -j2 >/dev/null

mkdir -p "$build/artifacts" "$build/logs"
record="$build/fuzz-record.txt"

# Runs one target; prints "target seconds runs status" for the summary.
run_target() {
  local name=$1 corpus="$build/corpus/$1" log="$build/logs/$1.log"
  mkdir -p "$corpus"
  local status=0
  # Close the targets' standard error: the readers report every refused file
  # there. libFuzzer keeps its own reports on a copy of it.
  nice -n 10 "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" \
    "$corpus" "$root/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  local runs
  runs=$(sed -n 's/^Done \([0-9]*\) runs in .*/\1/p' "$log" | tail -1)
  echo "$name $seconds ${runs:-0} $status"
}

results=$(mktemp)
trap 'rm -f "$results"' EXIT
running=0
for name in "${targets[@]}"; do
  run_target "$name" >>"$results" &
  running=$((running + 1))
  if ((running >= jobs)); then wait -n || true; running=$((running - 1)); fi
done
wait

failed=0
while read -r name secs runs status; do
  if [[ $status == 0 ]]; then
    printf '%-22s %6s s %12s inputs  ok\n' "$name" "$secs" "$runs"
  else
    printf '%-22s %6s s %12s inputs  FAILED (see %s)\n' "$name" "$secs" "$runs" "$build/logs/$name.log"
    failed=1
  fi
  if [[ $mode == long ]]; then
    echo "$(date -u +%FT%TZ) $name seconds=$secs inputs=$runs status=$status" >>"$record"
  fi
done <"$results"
exit $failed
