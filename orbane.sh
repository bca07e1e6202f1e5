#!/usr/bin/env bash
# Orbane 1S: install what is missing, build, then launch the simulator or run the tests.
#   ./orbane.sh            build (release) and launch the simulator
#   ./orbane.sh test       build (debug) and run the whole test suite
#   ./orbane.sh test asan  same with AddressSanitizer + UndefinedBehaviorSanitizer
#   ./orbane.sh bench      build (release) and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-run}
preset=${2:-}

tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}

case "$action" in
run)
    build release
    exec ./build/release/bin/orbane1s
    ;;
test)
    preset=${preset:-debug}
    build "$preset"
    ctest --preset "$preset" -j "$jobs"
    ;;
bench)
    build release
    for b in ./build/release/bin/*_bench; do "$b"; done
    ;;
*)
    echo "usage: $0 [run | test [debug|asan] | bench]" >&2
    exit 2
    ;;
esac
