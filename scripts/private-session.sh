# Sourced by run.sh and screenshots.sh: a private session without a desktop. start_private_session
# WIDTH HEIGHT starts a virtual X server with two monitors of WIDTH×HEIGHT side by side and a tray
# at the top right, and a session bus of its own; exports DISPLAY, DBUS_SESSION_BUS_ADDRESS and,
# where none is set, XDG_RUNTIME_DIR; and ends them all when the (sub)shell that started it exits.
session_pids=()
# Newest first: a program ends before the servers it is a client of.
end_private_session() {
    local i
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        kill "${session_pids[i]}" 2>/dev/null && wait "${session_pids[i]}" 2>/dev/null || true
    done
    rm -rf "$session_folder"
}

start_private_session() {
    local width=$1 height=$2 number
    session_folder=$(mktemp -d /tmp/vesperon-session-XXXXXX) # mode 0700: it may serve as the runtime folder
    trap end_private_session EXIT
    trap 'exit 0' INT TERM
    # Each server writes one line once it serves (its display number, its address) into this FIFO.
    mkfifo "$session_folder/ready"
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$((2 * width))x${height}x24" 3>"$session_folder/ready" \
        2>/dev/null &
    session_pids+=($!)
    read -r -t 20 number <"$session_folder/ready" || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$number"
    dbus-daemon --session --nofork --address="unix:path=$session_folder/bus" --print-address=3 \
        3>"$session_folder/ready" 2>/dev/null &
    session_pids+=($!)
    read -r -t 20 DBUS_SESSION_BUS_ADDRESS <"$session_folder/ready" || { echo "dbus-daemon did not start" >&2; exit 1; }
    export DBUS_SESSION_BUS_ADDRESS
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$session_folder}
    # The first monitor takes the server's output; xrandr sizes in millimetres at 96 dpi.
    local mm_w=$((width * 254 / 960)) mm_h=$((height * 254 / 960))
    xrandr --setmonitor DP-1 "$width/${mm_w}x$height/$mm_h+0+0" screen >/dev/null
    xrandr --setmonitor HDMI-1 "$width/${mm_w}x$height/$mm_h+$width+0" none >/dev/null
    trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false \
        --tint 0x303030 >/dev/null 2>&1 &
    session_pids+=($!)
}
