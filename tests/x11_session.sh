# Sourced by the tests that drive real windows: a work folder removed at the end, the processes started
# (`pids`) stopped at the end, `fail`, a virtual X server of the test's own, and waiting for a window.

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/xvfb.log" ]; then sed 's/^/Xvfb: /' "$work/xvfb.log" >&2; fi
    exit 1
}

# Starts a virtual X server and points DISPLAY at it. The server picks a free display itself, so runs
# beside other virtual servers never share one, unless a display number is given; it must not reset
# when its last client leaves, or a program started at that moment finds no display.
start_virtual_display() {
    local number=${1:-}
    if [ -n "$number" ]; then
        Xvfb ":$number" -screen 0 1024x800x24 -nolisten tcp -noreset 2> "$work/xvfb.log" &
        pids+=("$!")
        for _ in $(seq 50); do
            if xdpyinfo -display ":$number" > /dev/null 2>&1; then break; fi
            sleep 0.1
        done
        echo "$number" > "$work/display"
    else
        Xvfb -displayfd 3 -screen 0 1024x800x24 -nolisten tcp -noreset 3> "$work/display" 2> "$work/xvfb.log" &
        pids+=("$!")
        for _ in $(seq 50); do
            if [ -s "$work/display" ]; then break; fi
            sleep 0.1
        done
    fi
    [ -s "$work/display" ] || fail "the virtual X server did not start"
    export DISPLAY=":$(head -n 1 "$work/display")"
}

# Prints the id of the first window whose title matches, waiting up to five seconds for it to be shown:
# a window that exists but is not yet mapped cannot take the focus.
wait_for_window() {
    for _ in $(seq 50); do
        if xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Closes the explorer window $1 of process $2 with Alt+X and checks that the program ends within five
# seconds, with success.
close_explorer() {
    local status=0
    xdotool windowfocus --sync "$1"
    xdotool key alt+x
    for _ in $(seq 50); do
        if ! kill -0 "$2" 2>/dev/null; then break; fi
        sleep 0.1
    done
    kill -0 "$2" 2>/dev/null && fail "the explorer did not close on Alt+X"
    wait "$2" || status=$?
    [ "$status" -eq 0 ] || fail "the explorer ended with status $status"
}

# Starts the explorer of program folder $1 with settings of its own, the settings file ($settings)
# holding the lines $2, and waits for its window: $pid and $window are then the program's.
start_explorer() {
    export XDG_CONFIG_HOME="$work/config"
    settings="$XDG_CONFIG_HOME/Quorvex_Talmy Fractals Lite/Zenphra.ini"
    mkdir -p "$(dirname "$settings")"
    printf '%s\n' "$2" > "$settings"
    "$1/Zenphra" &
    pid=$!
    pids+=("$pid")
    window=$(wait_for_window '^  Quorvex-Talmy Fractals Lite$') || fail "the explorer window did not appear"
    xdotool windowfocus --sync "$window"
}
