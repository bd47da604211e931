#!/usr/bin/env bash
# Builds the calculator and starts it. Arguments are passed on (the program ignores them).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages "${RUN_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DVARNHOLT_BENCHMARKS=OFF >/dev/null
cmake --build build --target varnholt
exec ./build/app/varnholt "$@"
