#!/usr/bin/env bash
# Renders the windows on the demo game folder under a virtual display and saves them in docs/.
#   scripts/screenshots.sh                    the README's pictures, in English, into docs/
#   scripts/screenshots.sh --lang de [DIR]    the same windows in another language, into DIR
#                                             (build/screenshots-de by default)
set -euo pipefail
cd "$(dirname "$0")/.."
language=""
output=docs
if [ "${1:-}" = "--lang" ]; then
    language=${2:?"--lang needs a language code: es pt_BR it de fr tr id"}
    output=${3:-build/screenshots-$language}
fi
source scripts/packages.sh
ensure_packages xvfb xauth

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target rosterly-screenshots rosterly-sample zlib2.dll >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/rosterly-sample "$work/game" >/dev/null
xvfb-run -a -s "-screen 0 1280x900x24" build/rosterly-screenshots "$work/game" "$output" 1 $language
echo "Wrote $output/main-window-start.png, $output/main-window.png, $output/team-editor.png," \
    "$output/squads.png, $output/player-table.png and $output/bulk-edit.png"
