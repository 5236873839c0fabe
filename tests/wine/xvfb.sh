# Sourced: start_xvfb SIZE FILE starts a private Xvfb on a free display of the given screen
# size, sets xvfb_pid and exports DISPLAY; FILE receives the display number.
start_xvfb() {
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "$1" 3>"$2" 2>/dev/null &
    xvfb_pid=$!
    tries=0
    while [ ! -s "$2" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "Xvfb did not start" >&2
            exit 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(head -n 1 "$2")"
    export DISPLAY
}
