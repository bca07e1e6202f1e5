#!/usr/bin/env bash
# Orbane 1S: install what is missing, build, then launch the simulator or run the tests.
#   ./orbane.sh            build (release) and launch the simulator
#   ./orbane.sh test       build (debug) and run the whole test suite
#   ./orbane.sh test asan  same with AddressSanitizer + UndefinedBehaviorSanitizer
#   ./orbane.sh bench      build (release) and run the benchmarks
#   ./orbane.sh package    build (release) the Debian package orbane1s_<version>_<arch>.deb,
#                          check it (appstreamcli, desktop-file-validate, lintian) and start it
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
package)
    # Only what the package holds: the tests and benchmarks of the release build are not needed.
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$jobs" --target orbane1s orbane_sound orbane_data orbane_docs
    rm -rf build/release/package
    (cd build/release && cpack -G DEB)
    deb=$(ls build/release/package/orbane1s_*.deb)
    cp "$deb" .
    appstreamcli validate --no-net build/release/packaging/*.metainfo.xml
    desktop-file-validate packaging/orbane1s.desktop
    lintian --fail-on error "$deb"
    ctest --test-dir build/release -L package --output-on-failure
    echo "Paquet : ./${deb##*/}"
    ;;
*)
    echo "usage: $0 [run | test [debug|asan] | bench | package]" >&2
    exit 2
    ;;
esac
