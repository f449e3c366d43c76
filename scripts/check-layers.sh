#!/usr/bin/env bash
# Fails on an include against the layer order that docs/ARCHITECTURE.md states: a folder may
# include its own files and those of folders on lower layers, never a folder on its own layer or
# above. The order is read from the block between the two "layers" markers in that document.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A layer
n=0
while read -r line; do
    n=$((n + 1))
    for folder in $line; do layer[$folder]=$n; done
done < <(sed -n '/<!-- layers -->/,/<!-- \/layers -->/p' docs/ARCHITECTURE.md | grep -E '^[0-9]+\. ' |
    sed -E 's/^[0-9]+\. //; s/ *—.*//; s/`//g; s/,//g')
[ "$n" -gt 0 ] || { echo "check-layers: no layer list in docs/ARCHITECTURE.md" >&2; exit 2; }

# A file's folder is the deepest one the list names (control/dbus before control).
layerOf() {
    local folder=$1
    while [ -n "$folder" ]; do
        if [ -n "${layer[$folder]+set}" ]; then echo "$folder ${layer[$folder]}"; return; fi
        [ "$folder" = "${folder%/*}" ] && break
        folder=${folder%/*}
    done
}

status=0
while IFS=: read -r file lineNo target; do
    from=$(layerOf "$(dirname "${file#src/}")")
    to=$(layerOf "$(dirname "$target")")
    [ -n "$to" ] || continue # a generated or system header
    if [ -z "$from" ]; then
        echo "$file: folder not in the layer list of docs/ARCHITECTURE.md" && status=1 && continue
    fi
    read -r fromFolder fromLayer <<<"$from"
    read -r toFolder toLayer <<<"$to"
    if [ "$fromFolder" != "$toFolder" ] && [ "$toLayer" -ge "$fromLayer" ]; then
        echo "$file:$lineNo: $fromFolder (layer $fromLayer) includes $target ($toFolder, layer $toLayer)"
        status=1
    fi
done < <(grep -rnoE '^#include "[^"]+/[^"]+"' src --include='*.h' --include='*.cpp' | sed -E 's/#include "([^"]+)"/\1/')
[ "$status" -eq 0 ] && echo "check-layers: every include follows the layer order (${#layer[@]} folders)"
exit "$status"
