#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test and a
# minute's soak of the editor, then builds the Release configuration users run (tools/run-editor.sh,
# the package) and runs every test again there: optimised code shows faults the sanitizer build hides.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

build=${QUORVANT_TEST_BUILD:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUORVANT_SANITIZE=ON > /dev/null
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
ctest --test-dir "$build" --output-on-failure -j2
# A minute of random user actions on the whole editor, with a seed from the date (printed), so every
# run walks new paths; a failure is replayed and shrunk (tools/soak.sh; longer runs by hand).
QUORVANT_SOAK_BUILD="$build" bash tools/soak.sh "${QUORVANT_SOAK_SECONDS:-60}"

release=${QUORVANT_RELEASE_BUILD:-build-rel}
cmake -S . -B "$release" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$release" -j2
env -u ASAN_OPTIONS -u UBSAN_OPTIONS ctest --test-dir "$release" --output-on-failure -j2
# Every parser of outside input is fuzzed briefly too (longer runs: tools/fuzz.sh SECONDS).
env -u ASAN_OPTIONS -u UBSAN_OPTIONS bash tools/fuzz.sh "${QUORVANT_FUZZ_SECONDS:-20}"
