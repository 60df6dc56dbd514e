# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need a display: starts a private X server with a screen of $1 on
# the first free display, waits until it answers, and on exit stops it and every other
# background job and removes what it made.
start_private_display() {
    private_files=()
    if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
        export XDG_RUNTIME_DIR
        private_files+=("$XDG_RUNTIME_DIR")
    fi
    local display_file
    display_file=$(mktemp)
    private_files+=("$display_file")
    trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "${private_files[@]}"' EXIT
    # -noreset: a client that leaves (xdotool, a helper) must not reset the server under the next
    # one that connects.
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
    for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.05; done
    if [[ ! -s $display_file ]]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$(<"$display_file")
}
