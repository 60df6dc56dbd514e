# Sourced by the scripts that need a display: starts a private X server on display :$1 with a
# screen of $2, waits until it answers, and stops it and every other background job on exit.
start_private_display() {
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    export DISPLAY=:$1
    Xvfb "$DISPLAY" -screen 0 "$2" -nolisten tcp >/dev/null 2>&1 &
    trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null' EXIT
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
