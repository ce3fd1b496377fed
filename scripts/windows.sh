#!/usr/bin/env bash
# Cross-builds Rosterly for 64-bit Windows with mingw-w64 and packs the release.
#   scripts/windows.sh          build-windows/rosterly-windows-x64.zip
#   scripts/windows.sh --test   the same, then the suites under wine and the editor once under
#                               wine and Xvfb
# Qt and the libraries Debian has no Windows build of are built once from Debian's own source
# packages into a cache outside the repository (ROSTERLY_WINDOWS_CACHE, by default
# ~/.cache/rosterly-windows) and reused by every later run.
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD

run_tests=false
case "${1:-}" in
"") ;;
--test) run_tests=true ;;
*)
    echo "usage: scripts/windows.sh [--test]" >&2
    exit 2
    ;;
esac

CACHE=${ROSTERLY_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rosterly-windows}
build_dir=$repository/build-windows
release_name=rosterly-windows-x64
mingw=x86_64-w64-mingw32

source scripts/packages.sh
windows_packages=(ninja-build g++-mingw-w64-x86-64-posix libz-mingw-w64-dev qt6-base-dev-tools
    dpkg-dev zip)
test_packages=(wine wine64 fonts-wine xvfb xauth x11-utils imagemagick)
if $run_tests; then
    ensure_packages "${windows_packages[@]}" "${test_packages[@]}"
else
    ensure_packages "${windows_packages[@]}"
fi

source scripts/windows/sources.sh
source scripts/windows/build-qt.sh
source scripts/windows/build-libraries.sh
source scripts/windows/deploy.sh

started=$SECONDS
mkdir -p "$CACHE/toolchain"
# Qt records the path of the toolchain file it was built with, so it lives at a fixed place in the
# cache; a change to it rebuilds Qt (the stamp holds its text).
cmp -s cmake/mingw-w64.cmake "$CACHE/toolchain/mingw-w64.cmake" ||
    cp cmake/mingw-w64.cmake "$CACHE/toolchain/mingw-w64.cmake"

build_qt
build_libraries
export ROSTERLY_WINDOWS_LIBS="$CACHE/libs"

emulator=()
$run_tests && emulator=(-DCMAKE_CROSSCOMPILING_EMULATOR="$repository/scripts/windows/wine-run.sh")
cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$CACHE/qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DROSTERLY_BENCH=OFF "${emulator[@]}"
programs=(rosterly zlib2.dll rosterly-cli rosterly-sample)
if $run_tests; then
    cmake --build "$build_dir" --parallel 2
else
    cmake --build "$build_dir" --parallel 2 --target "${programs[@]}"
fi

# Started from Explorer, the editor opens no console: it is a window program (PE subsystem 2),
# the command line and the sample builder console programs (3); the editor and the command line
# carry the icon and the version information in a resource section.
check_programs() {
    local objdump=$mingw-objdump program expected
    for program in rosterly:2 rosterly-cli:3 rosterly-sample:3; do
        expected=${program#*:}
        program=$build_dir/${program%:*}.exe
        "$objdump" -p "$program" | grep -E "^Subsystem[[:space:]]+0*$expected[[:space:]]" >/dev/null ||
            { echo "windows: $program is not of PE subsystem $expected" >&2; return 1; }
    done
    for program in rosterly rosterly-cli; do
        "$objdump" -h "$build_dir/$program.exe" | grep '\.rsrc' >/dev/null ||
            { echo "windows: $program.exe has no resources (icon, version)" >&2; return 1; }
    done
    echo "windows: rosterly.exe is a window program, rosterly-cli.exe a console one, both with" \
        "icon and version"
}
check_programs

release_dir=$build_dir/$release_name
pack_release "$release_dir" "$build_dir/$release_name.zip" \
    "$build_dir/rosterly.exe" "$build_dir/zlib2.dll" "$build_dir/rosterly-cli.exe" \
    "$build_dir/rosterly-sample.exe"
echo "Windows release: $build_dir/$release_name.zip ($(du -h "$build_dir/$release_name.zip" | cut -f1)," \
    "built in $((SECONDS - started)) s)"

if $run_tests; then
    source scripts/windows/wine-test.sh
    test_under_wine
fi
