# Sourced by run.sh and test.sh: an X screen of our own with a window manager.
#
# start_x_screen: starts Xvfb (1280x1024, 24 bits) on a free display and openbox on it, exports
# DISPLAY and sets x_screen_pids. Without a window manager Wine's menus and message boxes do not
# reliably get the keyboard. stop_x_screen ends both.
x_screen_pids=()

start_x_screen() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    x_screen_pids+=($!)
    local deadline=$((SECONDS + 20))
    until [[ -s $display_file ]]; do
        if ((SECONDS >= deadline)) || ! kill -0 "${x_screen_pids[0]}" 2>/dev/null; then
            echo "x screen: Xvfb did not start" >&2
            return 1
        fi
        sleep 0.1
    done
    export DISPLAY=:$(tr -d '\n' <"$display_file")
    rm -f "$display_file"

    openbox >/dev/null 2>&1 &
    x_screen_pids+=($!)
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        if ((SECONDS >= deadline)); then
            echo "x screen: openbox did not start" >&2
            return 1
        fi
        sleep 0.1
    done
}

stop_x_screen() {
    local pid
    for pid in "${x_screen_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${x_screen_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    x_screen_pids=()
}
