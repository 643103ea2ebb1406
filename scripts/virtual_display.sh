# Sourced by the scripts and tests that show the desktop program's windows:
# start_virtual_display WORK starts Xvfb (1024x768) on a display number it
# picks itself, and openbox on it where it is installed, exports DISPLAY,
# and adds both processes to the caller's array `pids` for its clean-up.
start_virtual_display() {
    local work=$1
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    exec 3>&-
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$work/display")"
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        pids+=($!)
        sleep 1
    fi
}
