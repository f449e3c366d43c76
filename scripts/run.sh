#!/usr/bin/env bash
# Starts the built Vesperon. On a desktop (Wayland or X11) it runs there. Without one it starts a
# private virtual X server with two monitors and a tray, and a session bus of its own, runs Vesperon
# there until Ctrl+C, prints the lines that reach it from another shell, and cleans up after itself.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
build=$(cd "$here" && cd "$build" && pwd)
program=$build/vesperon

if [ -n "${WAYLAND_DISPLAY:-}" ] || { [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; }; then
    exec "$program"
fi

scratch=$(mktemp -d /tmp/vesperon-run-XXXXXX) # mode 0700: it may serve as the runtime folder
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 0' INT TERM

# Each server writes one line once it serves (its display number, its address) into this FIFO.
mkfifo "$scratch/ready"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 3840x1080x24 3>"$scratch/ready" 2>/dev/null &
pids+=($!)
read -r -t 20 number <"$scratch/ready" || { echo "run: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
dbus-daemon --session --nofork --address="unix:path=$scratch/bus" --print-address=3 3>"$scratch/ready" 2>/dev/null &
pids+=($!)
read -r -t 20 DBUS_SESSION_BUS_ADDRESS <"$scratch/ready" || { echo "run: dbus-daemon did not start" >&2; exit 1; }
export DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$scratch}

# Two 1920x1080 monitors side by side; the first takes the server's output.
xrandr --setmonitor left 1920/508x1080/286+0+0 screen >/dev/null
xrandr --setmonitor right 1920/508x1080/286+1920+0 none >/dev/null
trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false \
    --tint 0x303030 >/dev/null 2>&1 &
pids+=($!)

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
pids+=($!)
wait "${pids[-1]}"
