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

build_libraries() {
    build_libcsv
}
