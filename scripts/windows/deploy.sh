#!/usr/bin/env bash
# Puts the Windows programs into a folder with every DLL and Qt plugin they load, and packs it.
# There is no windeployqt here: the DLLs a program imports are read from its PE header and looked
# up in the folders below, recursively; system DLLs are in none of them and stay out.
# Sourced by scripts/windows.sh, which sets CACHE and mingw.

dll_folders() {
    echo "$CACHE/qt/bin"
    echo "$CACHE/libs/bin" # the libraries of build-libraries.sh
    echo "/usr/lib/gcc/$mingw/$("$mingw-gcc-posix" -dumpversion)" # 12-posix: libstdc++, libgcc
    echo "/usr/$mingw/lib" # zlib1.dll (libz-mingw-w64)
    echo "/usr/$mingw/bin"
}

# The Qt plugins a program of Qt Widgets needs at run time, relative to the Qt plugin folder.
qt_plugins=(platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll)

imported_dlls() {
    "$mingw-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

find_dll() {
    local name=$1 folder
    while read -r folder; do
        # The toolchain's DLLs keep their case; Windows compares names without it.
        local found
        found=$(find "$folder" -maxdepth 1 -iname "$name" 2>/dev/null | head -n 1)
        [ -n "$found" ] && echo "$found" && return 0
    done < <(dll_folders)
    return 1
}

# Copies into `folder` every non-system DLL that the given PE files import, and theirs.
copy_imported_dlls() {
    local folder=$1
    shift
    local pending=("$@") file dll path
    while [ ${#pending[@]} -gt 0 ]; do
        file=${pending[0]}
        pending=("${pending[@]:1}")
        while read -r dll; do
            [ -f "$folder/$dll" ] && continue
            path=$(find_dll "$dll") || continue
            cp "$path" "$folder/$dll"
            pending+=("$folder/$dll")
        done < <(imported_dlls "$file")
    done
}

# Makes `folder` runnable: the Qt plugins in their subfolders and every DLL beside the programs.
deploy_runtime() {
    local folder=$1
    shift
    local plugin plugins=()
    for plugin in "${qt_plugins[@]}"; do
        mkdir -p "$folder/$(dirname "$plugin")"
        cp "$CACHE/qt/plugins/$plugin" "$folder/$plugin"
        plugins+=("$folder/$plugin")
    done
    copy_imported_dlls "$folder" "$@" "${plugins[@]}"
}

# The release folder and its zip: the programs at the top, stripped, their DLLs and plugins
# beside them and a README.txt for Windows users.
pack_release() {
    local folder=$1 zip=$2
    shift 2
    rm -rf "$folder" "$zip"
    mkdir -p "$folder"
    cp "$@" "$folder/"
    local programs=()
    local program
    for program in "$@"; do programs+=("$folder/$(basename "$program")"); done
    deploy_runtime "$folder" "${programs[@]}"
    # The offscreen plugin is for the tests; users get the Windows one only.
    rm -f "$folder/platforms/qoffscreen.dll"
    find "$folder" \( -iname '*.dll' -o -iname '*.exe' \) -print0 |
        xargs -0 "$mingw-strip" --strip-unneeded
    sed 's/$/\r/' scripts/windows/README.txt >"$folder/README.txt"
    (cd "$folder" && zip -qr9 "$zip" .)
}
