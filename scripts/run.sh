#!/usr/bin/env bash
# Builds Kivvo and starts the desktop program; arguments (a .kv file) are passed on.
# kivvo-cli is built beside it, in build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target kivvo kivvo-cli
exec build/bin/kivvo "$@"
