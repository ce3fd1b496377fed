#!/usr/bin/env bash
# Builds Rosterly (from scratch or incrementally) and runs every test suite headless.
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   the suites built with AddressSanitizer and UBSan in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages

build_dir=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-sanitize
    options=(-DROSTERLY_SANITIZE=ON -DROSTERLY_BENCH=OFF)
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$build_dir" -j2
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
