#!/usr/bin/env bash
# The pictures of the tray menu and of each preferences page, light and dark, on private sessions
# (scripts/private-session.sh) with monitors of 1280x720 and of 1920x1080, into docs/pictures/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$here" && cd "${BUILD_DIR:-build}" && pwd)
source "$here/scripts/private-session.sh"
mkdir -p "$here/docs/pictures"
for size in 1280x720 1920x1080; do
    (
        start_private_session "${size%x*}" "${size#*x}"
        "$build/tools/vesperon_pictures" "$here/docs/pictures"
    )
done
ls "$here/docs/pictures"
