#!/usr/bin/env bash
# Starts the built Vesperon. On a desktop (Wayland or X11) it runs there. Without a display it
# starts a private virtual X server with two monitors and a tray, runs Vesperon there until
# Ctrl+C, and cleans up after itself.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
program="${BUILD_DIR:-$here/build}/vesperon"

if [ -n "${WAYLAND_DISPLAY:-}" ] || { [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; }; then
    exec "$program"
fi

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT INT TERM


displayfile=$(mktemp)
Xvfb -displayfd 9 -noreset -nolisten tcp -screen 0 3840x1080x24 9>"$displayfile" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' <"$displayfile")"
rm -f "$displayfile"

# Two 1920x1080 monitors side by side; the first takes the server's output.
xrandr --setmonitor left 1920/508x1080/286+0+0 screen >/dev/null
xrandr --setmonitor right 1920/508x1080/286+1920+0 none >/dev/null
trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false \
    --tint 0x303030 >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

cat <<INFO
Vesperon runs on a private X server, $DISPLAY: two monitors of 1920x1080 side by side, with a
tray at the top right. Reach it from this shell with DISPLAY=$DISPLAY, for example:
    DISPLAY=$DISPLAY $here/build/tests/vesperon_screenshot screen.png    (a screenshot)
Press Ctrl+C to stop Vesperon and the server.
INFO
"$program" &
pids+=($!)
wait "${pids[-1]}"
