#!/usr/bin/env bash
# Builds qtbase for x86_64-w64-mingw32 from Debian's own source of Qt 6.4.2, once, into
# "$CACHE/qt". Sourced by scripts/windows.sh, which sets CACHE and has installed the packages.

qt_source_version=6.4.2
qt_prefix="$CACHE/qt"

# Keep in step with what the project uses: Core, Gui (QUndoStack), Widgets, Test, the offscreen
# and Windows platform plugins, QXmlStreamReader (in Core). No ICU: game text goes through the
# project's own code-page table.
qt_configure_options=(
    -release -shared -xplatform win32-g++ -qt-host-path /usr
    -no-opengl -no-dbus -no-icu -no-pkg-config
    -qt-zlib -qt-pcre -qt-harfbuzz -qt-freetype -qt-libpng -no-libjpeg
    -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-concurrent
    -no-feature-vulkan -no-feature-xml
    -nomake examples -nomake tests
)

qt_stamp_text() {
    echo "qtbase $qt_source_version"
    printf '%s\n' "${qt_configure_options[@]}"
    cat "$CACHE/toolchain/mingw-w64.cmake"
}

# Debian's source leaves out the tablet headers of the Windows platform plugin; Wine ships the
# same interface (libwine-dev), which needs two of Wine's own macros to compile outside Wine.
qt_add_wintab_headers() {
    local source_dir=$1
    local wintab_dir="$source_dir/src/3rdparty/wintab"
    [ -f "$wintab_dir/wintab.h" ] && return 0
    local unpack
    unpack=$(mktemp -d)
    (cd "$unpack" && apt-get download -q libwine-dev >/dev/null 2>&1 && dpkg-deb -x libwine-dev_*.deb .)
    local wine_headers="$unpack/usr/include/wine/wine/windows"
    mkdir -p "$wintab_dir"
    cp "$wine_headers/pktdef.h" "$wintab_dir/pktdef.h"
    cp "$wine_headers/wintab.h" "$wintab_dir/wine_wintab.h"
    cat >"$wintab_dir/wintab.h" <<'HEADER'
/* The tablet interface as Wine declares it, with the macros Wine's headers take from Wine. */
#ifndef ROSTERLY_WINTAB_H
#define ROSTERLY_WINTAB_H
#include <windows.h>
#ifndef API
#define API WINAPI
#endif
#ifndef WINELIB_NAME_AW
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#include "wine_wintab.h"
#endif
HEADER
    rm -rf "$unpack"
}

build_qt() {
    local stamp="$qt_prefix/rosterly-stamp.txt"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$(qt_stamp_text)" ]; then
        echo "Qt for Windows: cached in $qt_prefix"
        return 0
    fi
    local source_dir
    source_dir=$(debian_source_dir qt6-base)
    case "$source_dir" in
    *"-$qt_source_version"*) ;;
    *)
        echo "Qt for Windows: Debian's qt6-base is not $qt_source_version ($source_dir)" >&2
        return 1
        ;;
    esac
    qt_add_wintab_headers "$source_dir"

    echo "Qt for Windows: building qtbase $qt_source_version into $qt_prefix (about 20 minutes)"
    rm -rf "$CACHE/qt-build" "$qt_prefix"
    mkdir -p "$CACHE/qt-build"
    (
        cd "$CACHE/qt-build"
        "$source_dir/configure" -prefix "$qt_prefix" "${qt_configure_options[@]}" -- \
            -DCMAKE_TOOLCHAIN_FILE="$CACHE/toolchain/mingw-w64.cmake" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        cmake --build . --parallel 2
        cmake --install .
    )
    qt_stamp_text >"$stamp"
    rm -rf "$CACHE/qt-build"
}
