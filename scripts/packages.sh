#!/usr/bin/env bash
# Installs the Debian packages Rosterly needs to build and test, when any is missing.
# Usage: source it, then `ensure_packages [extra packages...]`.

ROSTERLY_PACKAGES=(cmake g++ make pkg-config qt6-base-dev zlib1g-dev libdeflate-dev libcsv-dev
    libxlsxwriter-dev libzip-dev libexpat1-dev libbenchmark-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n)

ensure_packages() {
    local wanted=("${ROSTERLY_PACKAGES[@]}" "$@")
    local missing=()
    local package
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
}
