#!/usr/bin/env bash
# Fails when a language lacks a text of the program's (a new text landed untranslated) or keeps one
# the program no longer has. `cmake --build build --target update_translations` brings the files up
# to date; then translate what is new, e.g. in Qt Linguist.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
id=io.github.vesperon.Vesperon
cmake -DDESKTOP=data/$id.desktop -DMETAINFO=data/$id.metainfo.xml.in -DOUT="$scratch/data-texts.js" \
    -P cmake/DataTexts.cmake
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h')
sources+=(src/gnome/extension/panel.js "$scratch/data-texts.js")
status=0
for ts in translations/vesperon_*.ts; do
    copy=$scratch/$(basename "$ts")
    cp "$ts" "$copy"
    # The same reading of the sources as the build's update_translations target.
    "$lupdate" -silent -I src -tr-function-alias translate+=translated -locations none "${sources[@]}" -ts "$copy"
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    gone=$(grep -cE 'type="(vanished|obsolete)"' "$copy" || true)
    if [ "$unfinished" != 0 ] || [ "$gone" != 0 ]; then
        echo "check-translations: $ts has $unfinished untranslated texts and $gone the program no longer has" >&2
        status=1
    fi
done
[ "$status" = 0 ] && echo "check-translations: every text is translated into every language"
exit "$status"
