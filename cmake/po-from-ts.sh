#!/bin/sh
# One context of a language's .ts file as a PO file for gettext's tools, which translate the desktop
# entry, the metainfo and the GNOME Shell extension from the same translations as the program.
# Usage: po-from-ts.sh LCONVERT TS CONTEXT OUT [--keep-context]
set -eu
lconvert=$1 ts=$2 context=$3 out=$4
mkdir -p "$(dirname "$out")"
"$lconvert" -i "$ts" -o "$out.all.po"
# lconvert writes a context as "Context|" (a disambiguation may follow the bar); these have none.
sed -e 's/^msgctxt "\(.*\)|"$/msgctxt "\1"/' "$out.all.po" >"$out.context.po"
msggrep --msgctxt -F -e "$context" "$out.context.po" -o "$out.one.po"
if [ "${5:-}" = --keep-context ]; then
    mv "$out.one.po" "$out"
else
    sed -e '/^msgctxt /d' "$out.one.po" >"$out"
fi
rm -f "$out.all.po" "$out.context.po" "$out.one.po"
