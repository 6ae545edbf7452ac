#!/usr/bin/env bash
# Builds Kivvo and runs every test.
#   KIVVO_SANITIZE=1 scripts/test.sh   the same under AddressSanitizer + UBSan
#   KIVVO_TSAN=1 scripts/test.sh       the threaded tests under ThreadSanitizer
# The plain run also builds the fuzz targets and runs each briefly (KIVVO_FUZZ_SECONDS, 12 by
# default; 0 skips them), so that they keep working.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVVO_BUILD_TESTS=ON -DKIVVO_BUILD_BENCH=ON
       -DKIVVO_BUILD_GUI=ON -DKIVVO_SANITIZE=OFF -DKIVVO_TSAN=OFF)
ctest_args=()
if [ "${KIVVO_SANITIZE:-0}" = 1 ]; then
    build=build-asan
    flags+=(-DKIVVO_SANITIZE=ON -DKIVVO_BUILD_BENCH=OFF)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
if [ "${KIVVO_TSAN:-0}" = 1 ]; then
    build=build-tsan
    flags+=(-DKIVVO_TSAN=ON -DKIVVO_BUILD_BENCH=OFF)
    ctest_args+=(-L threads)
    # The mail tests start their SMTP server (fork and exec) after threads have run.
    export TSAN_OPTIONS="die_after_fork=0 suppressions=$PWD/tests/tsan.supp"
fi

export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build" --parallel "$(nproc)"
# The fuzz targets get a short run first, so the test summary is what the run ends with.
if [ "${KIVVO_SANITIZE:-0}" != 1 ] && [ "${KIVVO_TSAN:-0}" != 1 ] &&
    [ "${KIVVO_FUZZ_SECONDS:-12}" != 0 ]; then
    bash scripts/fuzz.sh "${KIVVO_FUZZ_SECONDS:-12}"
fi

ctest --test-dir "$build" --output-on-failure --timeout 300 --parallel "$(nproc)" "${ctest_args[@]}"
