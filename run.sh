#!/usr/bin/env bash
# Builds the calculator and starts it. Arguments are passed on (the program ignores them).
#   ./run.sh --web [PORT]   builds the site (build-web/site/) and serves it on 127.0.0.1:PORT
#                           (8642 unless given) until Ctrl+C; open the address it prints
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

if [ "${1:-}" = "--web" ]; then
    ensure_packages "${WEB_PACKAGES[@]}"
    cmake --preset web >/dev/null
    cmake --build --preset web --target varnholt_site
    exec node tools/serve.mjs build-web/site "${2:-8642}"
fi

ensure_packages "${RUN_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DVARNHOLT_BENCHMARKS=OFF >/dev/null
cmake --build build --target varnholt
exec ./build/app/varnholt "$@"
