#!/usr/bin/env bash
# Drives the real editor, offscreen, with random user actions for SECONDS and checks after every
# action that nothing broke (tests/soak). Prints the seed; on a failure it keeps the action list,
# replays it with the same seed, then shrinks it to the shortest list it finds that still fails.
# Usage: tools/soak.sh SECONDS [SEED]   (QUORVANT_SOAK_BUILD: build folder, default build-test,
#        the sanitizer build; QUORVANT_SOAK_OUT: where a failure's lists go, default soak-failure/)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: $0 SECONDS [SEED]}
seed=${2:-$(date +%Y%m%d%H%M%S)}
build=${QUORVANT_SOAK_BUILD:-build-test}
out=$(realpath -m "${QUORVANT_SOAK_OUT:-soak-failure}")
bash tools/install-deps.sh > /dev/null

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUORVANT_SANITIZE=ON > /dev/null
fi
cmake --build "$build" -j2 --target quorvant_soak
soak="$build/tests/quorvant_soak"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

echo "soak: seed $seed, $seconds seconds"
mkdir -p "$out"
actions="$out/actions-$seed.txt"
# A run that stops answering (a window the driver cannot act in) counts as a failure too.
if timeout --kill-after=10 $(( seconds + 300 )) "$soak" --seconds "$seconds" --seed "$seed" \
     --actions "$actions" 2> "$out/run-$seed.log"; then
  grep '^soak:' "$out/run-$seed.log" || true
  rm -f "$actions" "$out/run-$seed.log"
  rmdir "$out" 2> /dev/null || true
  exit 0
fi
grep -E '^soak:|ERROR|runtime error' "$out/run-$seed.log" | head -5
echo "soak: the $(wc -l < "$actions") actions are in $actions; replaying them"

# A candidate counts only when it fails the same way: the same kind of check, or a crash.
reason() { grep -oE 'FAILED at action [0-9]+ \(seed [0-9]+\): .{0,24}|ERROR: [A-Za-z]+: [a-z-]+|runtime error' "$1" | head -1 | sed -E 's/FAILED at action [0-9]+ //'; }
want=$(reason "$out/run-$seed.log")
fails() {
  "$soak" --seed "$seed" --replay "$1" > /dev/null 2> "$out/replay-$seed.log" && return 1
  [ "$(reason "$out/replay-$seed.log")" = "$want" ]
}
if ! fails "$actions"; then
  echo "soak: the replay did not fail again (the failure depends on timing); the list stays in $actions"
  exit 1
fi

# Shrinks by dropping ever smaller runs of actions while the replay still fails.
shortest="$out/shortest-$seed.txt"
cp "$actions" "$shortest"
candidate="$out/candidate-$seed.txt"
tries=0
chunk=$(( $(wc -l < "$shortest") / 2 ))
while [ "$chunk" -ge 1 ] && [ "$tries" -lt "${QUORVANT_SOAK_TRIES:-300}" ]; do
  start=1
  while [ "$start" -le "$(wc -l < "$shortest")" ] && [ "$tries" -lt "${QUORVANT_SOAK_TRIES:-300}" ]; do
    sed "${start},$(( start + chunk - 1 ))d" "$shortest" > "$candidate"
    tries=$(( tries + 1 ))
    if [ -s "$candidate" ] && fails "$candidate"; then
      cp "$candidate" "$shortest"
    else
      start=$(( start + chunk ))
    fi
  done
  chunk=$(( chunk / 2 ))
done
rm -f "$candidate" "$out/replay-$seed.log"
echo "soak: shortest failing list ($(wc -l < "$shortest") actions, $tries replays), in $shortest:"
cat "$shortest"
"$soak" --seed "$seed" --replay "$shortest" 2>&1 | grep '^soak:' || true
exit 1
