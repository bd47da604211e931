#!/usr/bin/env bash
# Builds everything and runs every test, then prints a summary line.
#   ./test.sh        one build (build/), all tests
#   ./test.sh --ci   as CI does it: warnings as errors, all tests, all tests again under
#                    AddressSanitizer + UndefinedBehaviorSanitizer, the fuzzer for 60 s,
#                    the benchmarks once, the headless build (no window system at all), then
#                    the Windows build (cross-built, its tests
#                    and its start-up benchmark under Wine, the zip and the installer), then the
#                    browser build (its tests under Node and in headless Chromium, the site's
#                    benchmarks)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages "${TEST_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}"
ensure_locale de_DE.UTF-8

ci=false
[ "${1:-}" = "--ci" ] && ci=true

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
jobs=$(nproc)
passed=0
failed=0

# Configures and builds in $1 with the remaining arguments as CMake options, then runs ctest.
build_and_test() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    run_ctest "$dir"
}

# Runs ctest in $1 and adds its counts to the summary.
run_ctest() {
    local dir=$1 log="$1/ctest.log" status=0
    (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 600) 2>&1 | tee "$log" ||
        status=1
    local line total fails
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -n "$line" ]; then
        total=${line##* }
        fails=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed.*/\1/')
        passed=$((passed + total - fails))
        failed=$((failed + fails))
    else
        failed=$((failed + 1))
    fi
    return $status
}

status=0
if $ci; then
    build_and_test build-ci -DVARNHOLT_WERROR=ON || status=1
    ./build-ci/bench/bench_calc --benchmark_min_time=0.2 --benchmark_color=false || status=1
    ./build-ci/bench/bench_ui --benchmark_color=false || status=1
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        build_and_test build-asan -DVARNHOLT_SANITIZE=ON -DVARNHOLT_BENCHMARKS=OFF \
        -DCMAKE_BUILD_TYPE=Debug || status=1

    # The program and its tests on the headless backend alone, which links no window system.
    build_and_test build-headless -DVARNHOLT_BACKEND=headless -DVARNHOLT_WERROR=ON || status=1

    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVARNHOLT_FUZZ=ON >/dev/null
    cmake --build build-fuzz -j "$jobs"
    corpus=build-fuzz/corpus
    mkdir -p "$corpus"
    printf '\00210 1.5' >"$corpus/loss"
    printf '\0045 20' >"$corpus/swr"
    printf '\005-0e12 1e999' >"$corpus/extremes"
    if ./build-fuzz/tests/fuzz/fuzz_line_calculations -max_total_time=60 -max_len=512 \
        -print_final_stats=1 "$corpus" >build-fuzz/fuzz.log 2>&1; then
        echo "fuzzer: $(grep -E '^Done [0-9]+ runs' build-fuzz/fuzz.log), no failure"
        passed=$((passed + 1))
    else
        tail -n 40 build-fuzz/fuzz.log
        echo "fuzzer: FAILED"
        failed=$((failed + 1))
        status=1
    fi

    # The Windows build: the preset's cross build, its tests under Wine, both packages.
    windows_start=$(date +%s)
    cmake --preset windows -DVARNHOLT_WERROR=ON >/dev/null
    cmake --build --preset windows
    run_ctest build-windows || status=1
    bash bench/win32/startup_wine.sh build-windows 9 || status=1
    if [ ! -e build-windows/CPackConfig.cmake ]; then
        echo "packages: none, the Windows build has no program yet"
    elif (cd build-windows && cpack >cpack.log 2>&1); then
        echo "packages: $(cd build-windows && ls Varnholt-*.zip Varnholt-*.exe | tr '\n' ' ')"
        passed=$((passed + 1))
    else
        cat build-windows/cpack.log
        failed=$((failed + 1))
        status=1
    fi
    echo "Windows build, tests and packages: $(($(date +%s) - windows_start)) s"

    # The browser build: the preset's site, its tests, its benchmarks.
    web_start=$(date +%s)
    cmake --preset web -DVARNHOLT_WERROR=ON >/dev/null
    cmake --build --preset web
    run_ctest build-web || status=1
    NODE_PATH=build-web/tests/web/npm/node_modules node bench/web/bench_site.mjs build-web/site ||
        status=1
    echo "browser build, tests and benchmarks: $(($(date +%s) - web_start)) s"
else
    build_and_test build || status=1
    cmake --preset web >/dev/null
    cmake --build --preset web
    run_ctest build-web || status=1
fi

echo
echo "summary: $passed passed, $failed failed"
exit $status
