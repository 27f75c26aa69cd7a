#!/usr/bin/env bash
# Builds every libFuzzer target in fuzz/ with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs each for SECONDS (default 60), starting from its seed corpus in fuzz/corpus/NAME.
# New inputs a run finds go to the build folder's corpus, never into the repository; a crash or a
# failed property leaves its input in BUILD/artifacts/NAME and makes the script exit 1.
# Usage: tools/fuzz.sh [SECONDS] [TARGET...]      (QUORVANT_FUZZ_BUILD: build folder, default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[[ $seconds =~ ^[0-9]+$ ]] || { echo "usage: $0 [SECONDS] [TARGET...]" >&2; exit 2; }
shift $(( $# > 0 ? 1 : 0 ))
bash tools/install-deps.sh --fuzz

build=${QUORVANT_FUZZ_BUILD:-build-fuzz}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DQUORVANT_FUZZ=ON \
      -DQUORVANT_BUILD_UI=OFF -DQUORVANT_BUILD_TESTS=OFF -DQUORVANT_BUILD_BENCH=OFF > /dev/null
# Every fuzz_*.cpp is a target, so one added later is built and run without touching this script.
targets=()
if [ $# -gt 0 ]; then
  targets=("$@")
else
  for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
cmake --build "$build" -j2 --target "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for name in "${targets[@]}"; do
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  log="$build/logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  echo "== $name: ${seconds}s"
  if "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$artifacts/" "$corpus" "${seeds[@]}" > "$log" 2>&1; then
    # The last status line carries the run's executions and coverage.
    grep -E '^#[0-9]+' "$log" | tail -1 || true
    grep -E '^stat::number_of_executed_units' "$log" || true
  else
    failed+=("$name")
    tail -40 "$log"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts, logs in $build/logs)" >&2
  exit 1
fi
echo "fuzzing: ${#targets[@]} targets ran ${seconds}s each without a finding"
