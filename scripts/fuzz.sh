#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and UBSan) in build-fuzz
# and runs each for a while, starting from the seed corpora under tests/fixtures.
#   scripts/fuzz.sh [SECONDS]      each target SECONDS long (default 60)
#   KIVVO_FUZZ_TARGETS="vcard mail" scripts/fuzz.sh 600    only those targets
#   KIVVO_BUILD_LOCK=/tmp/kivvo-build.lock scripts/fuzz.sh  builds holding that lock
# Inputs found on the way are kept in build-fuzz/corpus; a crash leaves its input in
# build-fuzz/crashes and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
targets=(${KIVVO_FUZZ_TARGETS:-document settings vcard mail csv import})
build=build-fuzz
lock=()
if [ -n "${KIVVO_BUILD_LOCK:-}" ]; then
    lock=(flock "$KIVVO_BUILD_LOCK")
fi

bash scripts/deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ "${lock[@]}" cmake -S . -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVVO_FUZZ=ON -DKIVVO_BUILD_GUI=OFF \
        -DKIVVO_BUILD_TESTS=OFF -DKIVVO_BUILD_BENCH=OFF
fi
"${lock[@]}" cmake --build "$build" --parallel "$(nproc)" \
    --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:quarantine_size_mb=64"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    seeds=tests/fixtures/fuzz/$target
    [ "$target" = vcard ] && seeds=tests/fixtures/vcard
    echo "== fuzz_$target for ${seconds}s"
    nice -n 19 "$build/bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$target-" -rss_limit_mb=4096 -timeout=25 "$corpus" "$seeds" \
        2>"$build/fuzz_$target.log" || { tail -60 "$build/fuzz_$target.log"; exit 1; }
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|cov: " "$build/fuzz_$target.log" |
        tail -3
done
