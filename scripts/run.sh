#!/usr/bin/env bash
# Starts the built Vesperon. On a desktop (Wayland or X11) it runs there. Without one it starts a
# private session (scripts/private-session.sh: a virtual X server with two monitors and a tray, and
# a session bus of its own), runs Vesperon there until Ctrl+C, prints the lines that reach it from
# another shell, and cleans up after itself.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$here" && cd "${BUILD_DIR:-build}" && pwd)
program=$build/vesperon

if [ -n "${WAYLAND_DISPLAY:-}" ] || { [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; }; then
    exec "$program"
fi

source "$here/scripts/private-session.sh"
start_private_session 1920 1080
cat <<INFO
Vesperon runs on a private X server, $DISPLAY: two monitors of 1920x1080 side by side, with a tray
at the top right, and a session bus of its own. From another shell:
    export DISPLAY=$DISPLAY DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR
    $program --toggle
    $build/tools/vesperon_screenshot screen.png
The first blacks out every monitor or wakes them; the second saves what the monitors show.
Press Ctrl+C to stop Vesperon and the servers.
INFO
"$program" &
session_pids+=($!)
wait "${session_pids[-1]}"
