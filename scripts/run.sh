#!/usr/bin/env bash
# Builds Kivvo and starts it; arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVVO_BUILD_TESTS=OFF \
    -DKIVVO_BUILD_BENCH=OFF >/dev/null
cmake --build build --parallel "$(nproc)"
if [ -x build/bin/kivvo ]; then
    exec build/bin/kivvo "$@"
fi
if [ $# -eq 0 ]; then
    exec build/bin/kivvo-cli --help
fi
exec build/bin/kivvo-cli "$@"
