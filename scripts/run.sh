#!/usr/bin/env bash
# Builds Rosterly, writes a demo game folder when there is none, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2

if [ ! -f demo/unnamed_25.bin ] || [ ! -f demo/unnamed_32.bin ]; then
    build/rosterly-sample demo
fi
echo "Demo game files (synthetic): $(pwd)/demo/unnamed_25.bin and $(pwd)/demo/unnamed_32.bin"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found, so the editor was not started. To run it on a virtual display:"
    echo "  apt-get install xvfb && xvfb-run -s '-screen 0 1280x900x24' build/rosterly"
    exit 0
fi
exec build/rosterly
