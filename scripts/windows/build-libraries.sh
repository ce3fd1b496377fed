#!/usr/bin/env bash
# The libraries Rosterly links that Debian has no Windows build of, built from Debian's source
# packages into "$CACHE/libs" (include/, lib/ with the import libraries, bin/ with the DLLs).
# zlib comes built from Debian (libz-mingw-w64-dev). Sourced by scripts/windows.sh, which sets
# CACHE and mingw and has copied cmake/mingw-w64.cmake into "$CACHE/toolchain".

libs_prefix="$CACHE/libs"

# Runs a build step with its output in a log, shown only when the step fails.
quietly() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 || {
        cat "$log" >&2
        echo "failed: $* (log: $log)" >&2
        return 1
    }
}

# Builds a CMake project of a Debian source package as a DLL for Windows, installs it into a
# staging folder and copies its headers, import libraries and DLLs into "$libs_prefix".
build_cmake_library() {
    local name=$1 source_dir=$2
    shift 2
    local build="$CACHE/build/$name"
    rm -rf "$build"
    mkdir -p "$build" "$libs_prefix/include" "$libs_prefix/lib" "$libs_prefix/bin"
    quietly "$build/configure.log" cmake -S "$source_dir" -B "$build/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$CACHE/toolchain/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=ON "$@"
    quietly "$build/build.log" cmake --build "$build/build" --parallel 2
    quietly "$build/install.log" cmake --install "$build/build" --prefix "$build/stage"
    cp -r "$build/stage/include/." "$libs_prefix/include/"
    cp "$build/stage/lib/"*.dll.a "$libs_prefix/lib/"
    cp "$build/stage/bin/"*.dll "$libs_prefix/bin/"
}

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

# libxlsxwriter writes the .xlsx sheets. Debian's package links the system's libminizip
# (USE_SYSTEM_MINIZIP in debian/rules, not a patch) and OpenSSL's MD5; Debian has no Windows
# build of either, so the DLL gets the minizip and MD5 bundled in the source's third_party/.
# Built with MinGW, it opens the workbook (minizip's fopen64) and its temporary files
# (tmpfileplus: _open in the tmpdir option, deleted on close by _O_TEMPORARY) by the paths it is
# given, in the system's code page; the standard tmpfile() is off, as it writes to C:\.
build_libxlsxwriter() {
    [ -f "$libs_prefix/bin/libxlsxwriter.dll" ] && return 0
    local source_dir
    source_dir=$(debian_source_dir libxlsxwriter)
    echo "libxlsxwriter for Windows: building from $source_dir"
    build_cmake_library libxlsxwriter "$source_dir" -DUSE_SYSTEM_MINIZIP=OFF \
        -DUSE_STANDARD_TMPFILE=OFF -DUSE_OPENSSL_MD5=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
}

# libzip reads the .xlsx sheets (from memory). With no bzip2, lzma or encryption backend it
# needs zlib only; zipconf.h, which zip.h includes, is made by its build and installed beside it.
build_libzip() {
    [ -f "$libs_prefix/bin/libzip.dll" ] && return 0
    local source_dir
    source_dir=$(debian_source_dir libzip)
    echo "libzip for Windows: building from $source_dir"
    build_cmake_library libzip "$source_dir" -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF \
        -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
        -DENABLE_WINDOWS_CRYPTO=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF \
        -DBUILD_DOC=OFF
}

# expat reads the XML of the .xlsx sheets' large parts. It is built without DTD support, which no
# workbook part uses (the reader refuses a document type) and which one of Debian's security
# patches breaks in a CMake build.
build_expat() {
    [ -f "$libs_prefix/bin/libexpat-1.dll" ] && return 0
    local source_dir
    source_dir=$(debian_source_dir expat)
    [ -f "$source_dir/CMakeLists.txt" ] || source_dir="$source_dir/expat"
    echo "expat for Windows: building from $source_dir"
    build_cmake_library expat "$source_dir" -DEXPAT_SHARED_LIBS=ON -DEXPAT_BUILD_TOOLS=OFF \
        -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF \
        -DEXPAT_BUILD_PKGCONFIG=OFF -DEXPAT_DTD=OFF
}

build_libraries() {
    build_libcsv
    build_libdeflate
    build_libxlsxwriter
    build_libzip
    build_expat
}
