#!/usr/bin/env bash
# The Windows build tested under wine: the suites through CTest, the release's command line
# against the Linux build's, and the editor's window once under Xvfb.
# Sourced by scripts/windows.sh, which sets CACHE, build_dir, release_dir and repository.

# A wine prefix of the cache's own, made once. A new prefix has no Tahoma, without which Qt draws
# no text in line edits: wine's own copy goes into its font folder.
prepare_wine() {
    export WINEPREFIX="$CACHE/wine-prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine: making the prefix $WINEPREFIX"
        wineboot --init >/dev/null 2>&1
        wineserver --wait
    fi
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/tahoma*.ttf "$fonts/"
}

# The suites find the programs and the runtime beside them, as users do.
run_suites() {
    deploy_runtime "$build_dir" "$build_dir"/*.exe "$build_dir/zlib2.dll"
    local status=0
    (cd "$build_dir" && ctest --output-on-failure -j2) || status=$?
    wineserver --kill 2>/dev/null || true # the console hosts that outlived their programs
    return $status
}

# The release's programs must give exactly what the Linux build gives: the same sample files
# from rosterly-sample.exe, the same sheets from rosterly-cli.exe export.
compare_with_linux() {
    local linux_build="$repository/build"
    cmake -S "$repository" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$linux_build" -j2 --target rosterly-sample rosterly-cli
    local work
    work=$(mktemp -d)
    local windows_game="$work/Windows game ü" linux_game="$work/linux-game"
    wine "$release_dir/rosterly-sample.exe" "$(winepath -w "$windows_game")" >/dev/null
    "$linux_build/rosterly-sample" "$linux_game" >/dev/null
    local file
    for file in unnamed_25.bin unnamed_32.bin; do
        cmp "$windows_game/$file" "$linux_game/$file" ||
            { echo "wine: rosterly-sample.exe wrote another $file than the Linux build" >&2; return 1; }
    done
    wine "$release_dir/rosterly-cli.exe" export "$(winepath -w "$windows_game/unnamed_25.bin")" \
        "$(winepath -w "$windows_game/unnamed_32.bin")" --out "$(winepath -w "$work/windows sheets")" \
        >/dev/null
    "$linux_build/rosterly-cli" export "$linux_game/unnamed_25.bin" "$linux_game/unnamed_32.bin" \
        --out "$work/linux-sheets" >/dev/null
    for file in players.csv teams.csv rosters.csv; do
        cmp "$work/windows sheets/$file" "$work/linux-sheets/$file" ||
            { echo "wine: rosterly-cli.exe export wrote another $file than the Linux build" >&2; return 1; }
    done
    echo "wine: rosterly-sample.exe and rosterly-cli.exe export give the Linux build's bytes"
    rm -rf "$work"
}

# The editor from the release folder under wine and Xvfb: its main window must appear. With a
# language code, the settings file chooses that language first (as the Language menu keeps it),
# and the picture shows the editor in it.
start_editor() {
    local language=${1:-}
    local shot="$build_dir/rosterly-under-wine${language:+-$language}.png"
    rm -f "$shot"
    local settings=""
    if [ -n "$language" ]; then
        local appdata
        appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
        settings="$(winepath -u "$appdata")/Rosterly/Rosterly.ini"
        mkdir -p "$(dirname "$settings")"
        printf '[General]\nlanguage=%s\n' "$language" >"$settings"
    fi
    local display=:97
    Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    DISPLAY=$display wine "$release_dir/rosterly.exe" >/dev/null 2>&1 &
    local editor=$!
    local found=false attempt
    for attempt in $(seq 1 60); do
        sleep 1
        if DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q "PES 2011 Rosterly"; then
            found=true
            break
        fi
    done
    $found && sleep 2 && DISPLAY=$display import -window root "$shot"
    kill "$editor" 2>/dev/null || true
    wineserver --kill 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "$settings" ] && rm -f "$settings"
    if ! $found; then
        echo "wine: the editor's main window did not appear within a minute" >&2
        return 1
    fi
    echo "wine: the editor's main window appeared${language:+ in $language} (picture: $shot)"
}

# The command line's help in German where the system asks for it, English by default.
cli_speaks_languages() {
    local english german
    english=$(ROSTERLY_LANGUAGE=en wine "$release_dir/rosterly-cli.exe" --help 2>/dev/null)
    german=$(ROSTERLY_LANGUAGE=de wine "$release_dir/rosterly-cli.exe" --help 2>/dev/null)
    if [ -z "$german" ] || [ "$german" = "$english" ] || ! grep -q "usage: rosterly-cli" <<<"$english"; then
        echo "wine: rosterly-cli.exe --help does not speak German when asked" >&2
        return 1
    fi
    echo "wine: rosterly-cli.exe speaks English and German"
}

test_under_wine() {
    prepare_wine
    run_suites
    compare_with_linux
    cli_speaks_languages
    start_editor
    start_editor de
}
