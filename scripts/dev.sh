#!/bin/sh
# Sets up, builds, runs and tests Mirato from a fresh checkout.
#   scripts/dev.sh run            install what is missing, build, start Mirato
#   scripts/dev.sh test           install what is missing, build, run every test
#   scripts/dev.sh test-sanitize  the same in a debug build with AddressSanitizer and UBSan
#   scripts/dev.sh build          install what is missing and build
# The Makefile's targets call this script; it needs nothing but /bin/sh to start with.
set -eu
cd "$(dirname "$0")/.."

configure_and_build() {
    dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir"
}

case "${1:-}" in
    build)
        scripts/deps.sh build
        configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRATO_BUILD_TESTS=OFF
        ;;
    run)
        scripts/deps.sh build
        configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRATO_BUILD_TESTS=OFF
        exec scripts/run-gui.sh build
        ;;
    test)
        scripts/deps.sh test
        configure_and_build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
        ctest --test-dir build-test --output-on-failure
        ;;
    test-sanitize)
        scripts/deps.sh test
        configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DMIRATO_SANITIZE=ON
        ctest --test-dir build-asan --output-on-failure
        ;;
    *)
        echo "usage: $0 run|test|test-sanitize|build" >&2
        exit 2
        ;;
esac
