# Sourced by the end-to-end tests: a private X server and the program copied
# into a folder of its own, so that its saved.wok is the test's.

skip() {
    echo "SKIPPED: $*"
    exit 77
}

cleanup() {
    [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "${WORK:-}" ] && rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    exit 1
}

# Starts Xvfb on a display no one uses, or skips the test where none can start.
start_xvfb() {
    command -v Xvfb >/dev/null || skip "Xvfb is not installed"
    command -v xdotool >/dev/null || skip "xdotool is not installed"
    WORK=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 800x600x24 -dpi 96 -nolisten tcp ${XVFB_ARGS:-} 3>"$WORK/display" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$WORK/display" ] || skip "no X server could be started ($(tail -1 "$WORK/xvfb.log"))"
    export DISPLAY=":$(head -1 "$WORK/display")"
}

# Copies the program into $WORK/app, where its saved.wok lives.
install_program() {
    mkdir -p "$WORK/app"
    cp "$1" "$WORK/app/ticketwise"
}

# Starts the program from another folder and waits for its window.
start_program() {
    (cd / && exec "$WORK/app/ticketwise") >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ticketwise$' | head -1)
    [ -n "$WINDOW" ] || fail "the window did not appear: $(cat "$WORK/program.log")"
    sleep 0.5
}

# Clicks at x, y within the window.
click_at() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" click 1
    sleep 0.2
}

# Waits up to TENTHS tenths of a second for the program, whose window was
# just closed, to end without an error.
wait_for_program_end() {
    for _ in $(seq "$1"); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program did not end when its window was closed"
    wait "$PROGRAM_PID" || fail "the program ended with an error: $(cat "$WORK/program.log")"
    PROGRAM_PID=
}
