#!/usr/bin/env bash
# Debian's source packages, fetched into "$CACHE/src" through an apt configuration of the cache's
# own: the machine's sources list is read, never changed, and gets no deb-src entry.
# Sourced by scripts/windows.sh, which sets CACHE.

# apt-get with the cache's own sources and lists.
apt_get_sources() {
    apt-get -o "Dir::Etc::SourceParts=$CACHE/apt/sources.list.d" \
        -o "Dir::Etc::SourceList=/dev/null" -o "Dir::State::Lists=$CACHE/apt/lists" "$@"
}

# The machine's own Debian sources, each as a deb-src entry.
write_source_entries() {
    local entries="$CACHE/apt/sources.list.d/rosterly-src.sources"
    mkdir -p "$CACHE/apt/sources.list.d" "$CACHE/apt/lists/partial"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$entries"
    else
        grep -h '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            sed 's/^deb /deb-src /' >"$CACHE/apt/sources.list.d/rosterly-src.list"
    fi
}

# Unpacks the source of a Debian package (with Debian's patches applied) into "$CACHE/src".
fetch_debian_source() {
    local package=$1
    mkdir -p "$CACHE/src"
    if ! ls "$CACHE/apt/lists/"*Sources* >/dev/null 2>&1; then
        write_source_entries
        apt_get_sources update -qq
    fi
    (cd "$CACHE/src" && apt_get_sources source -qq "$package" 2>&1 |
        grep -v "^W: Download is performed unsandboxed" || true)
    # A mirror may list a security update whose files it no longer serves; the release's own
    # version is then taken.
    if ! ls -d "$CACHE/src/$package"-*/ >/dev/null 2>&1; then
        local release
        release=$(. /etc/os-release && echo "$VERSION_CODENAME")
        (cd "$CACHE/src" && apt_get_sources source -qq "$package/$release" 2>&1 |
            grep -v "^W: Download is performed unsandboxed" || true)
    fi
    ls -d "$CACHE/src/$package"-*/ >/dev/null
}

# The unpacked source folder of a package, fetching it when it is not there.
debian_source_dir() {
    local package=$1
    local dir
    dir=$(ls -d "$CACHE/src/$package"-*/ 2>/dev/null | head -n 1)
    if [ -z "$dir" ]; then
        fetch_debian_source "$package" >&2
        dir=$(ls -d "$CACHE/src/$package"-*/ | head -n 1)
    fi
    echo "${dir%/}"
}
