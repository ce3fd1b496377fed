#!/usr/bin/env bash
# The libraries Rosterly links that Debian has no Windows build of, built from Debian's source
# packages into "$CACHE/libs" (include/, lib/ with the import libraries, bin/ with the DLLs).
# zlib comes built from Debian (libz-mingw-w64-dev). Sourced by scripts/windows.sh.

libs_prefix="$CACHE/libs"

# libcsv is one C file; as a DLL it ships beside the programs like the other LGPL libraries.
build_libcsv() {
    [ -f "$libs_prefix/bin/libcsv.dll" ] && return 0
    local source_dir
    source_dir=$(debian_source_dir libcsv)
    echo "libcsv for Windows: building from $source_dir"
    mkdir -p "$libs_prefix/include" "$libs_prefix/lib" "$libs_prefix/bin"
    "$mingw-gcc-posix" -O2 -shared -o "$libs_prefix/bin/libcsv.dll" "$source_dir/libcsv.c" \
        -I"$source_dir" -Wl,--out-implib,"$libs_prefix/lib/libcsv.dll.a"
    cp "$source_dir/csv.h" "$libs_prefix/include/csv.h"
}

# libdeflate packs the game files. Its own Makefile knows a mingw-w64 compiler and makes the DLL
# with its import library (named libdeflate.lib; installed as the .dll.a mingw-w64 looks for
# first). It builds inside its source tree, so it gets a copy of its own.
build_libdeflate() {
    [ -f "$libs_prefix/bin/libdeflate.dll" ] && return 0
    local source_dir build
    source_dir=$(debian_source_dir libdeflate)
    build="$CACHE/build/libdeflate"
    echo "libdeflate for Windows: building from $source_dir"
    rm -rf "$build"
    mkdir -p "$CACHE/build" "$libs_prefix/include" "$libs_prefix/lib" "$libs_prefix/bin"
    cp -r "$source_dir" "$build"
    make -C "$build" -j2 CC="$mingw-gcc-posix" libdeflate.dll >/dev/null
    cp "$build/libdeflate.h" "$libs_prefix/include/libdeflate.h"
    cp "$build/libdeflate.lib" "$libs_prefix/lib/libdeflate.dll.a"
    cp "$build/libdeflate.dll" "$libs_prefix/bin/libdeflate.dll"
}

build_libraries() {
    build_libcsv
    build_libdeflate
}
