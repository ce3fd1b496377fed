#!/usr/bin/env bash
# Renders the windows on the demo game folder under a virtual display and saves them in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages xvfb xauth

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target rosterly-screenshots rosterly-sample zlib2.dll >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/rosterly-sample "$work/game" >/dev/null
xvfb-run -a -s "-screen 0 1280x900x24" build/rosterly-screenshots "$work/game" docs 1
echo "Wrote docs/main-window-start.png, docs/main-window.png, docs/team-editor.png, docs/squads.png" \
    "docs/player-table.png and docs/bulk-edit.png"
