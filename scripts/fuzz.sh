#!/usr/bin/env bash
# Fuzzes the decoders of untrusted bytes with libFuzzer (clang, AddressSanitizer, UBSan) for a
# bounded time per target. New crashers land in tests/fuzz/crashers/<target>/; add each one to
# the regression corpus there and fix the fault.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages clang libclang-rt-14-dev

seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DROSTERLY_FUZZ=ON -DROSTERLY_SANITIZE=ON -DROSTERLY_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_container fuzz_playerdatabase fuzz_teamfile fuzz_sheets

status=0
for target in fuzz_container fuzz_playerdatabase fuzz_teamfile fuzz_sheets; do
    corpus=$(mktemp -d)
    crashers=tests/fuzz/crashers/$target
    mkdir -p "$crashers"
    # The checked-in seeds (tests/fuzz/seeds/<target>/, one input per form a decoder knows) and
    # earlier crashers, as regression inputs, start the corpus.
    cp -r "tests/fuzz/seeds/$target"/. "$corpus"/ 2>/dev/null || true
    cp -r "$crashers"/. "$corpus"/ 2>/dev/null || true
    echo "== $target for ${seconds}s"
    if ! build-fuzz/$target -max_total_time="$seconds" -max_len=4096 \
        -artifact_prefix="$crashers/" "$corpus" 2>"build-fuzz/$target.log"; then
        echo "$target found a crash: see build-fuzz/$target.log and $crashers/"
        status=1
    else
        tail -n 2 "build-fuzz/$target.log"
    fi
    rm -rf "$corpus"
done
exit $status
