#!/usr/bin/env bash
# Fails when a source file includes a folder above its own. The folders depend one way:
#   common <- codec, sheetformats <- shell <- player <- teams, appearance, teamnames <- exchange
#   <- playertable <- app, cli
# and the programs around the editor (tools, bench, tests) may use all of them. Folders on the
# same level do not include each other.
#   scripts/check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A level=(
    [common]=0 [codec]=1 [sheetformats]=1 [shell]=2 [player]=3
    [teams]=4 [appearance]=4 [teamnames]=4
    [exchange]=5 [playertable]=6 [app]=7 [cli]=7
    [tools]=8 [bench]=9 [tests]=9
)

status=0
for folder in "${!level[@]}"; do
    [ -d "$folder" ] || continue
    while IFS=: read -r file line included; do
        target=${included%%/*}
        [ -n "${level[$target]+set}" ] || continue # a library header, not one of ours
        if [ "$target" != "$folder" ] && [ "${level[$target]}" -ge "${level[$folder]}" ]; then
            echo "$file:$line: $folder/ must not include $target/ ($included)"
            status=1
        fi
    done < <(grep -rnoE '^#include "[^"]+"' --include='*.h' --include='*.cpp' "$folder" |
        sed -E 's/#include "([^"]+)"/\1/')
done
[ $status -eq 0 ] && echo "Every folder includes only the folders below it."
exit $status
