# Sourced by the end-to-end tests of the Windows build: a private X server,
# the program run under Wine with none but its own DLLs, and helpers to use
# its window. Nothing here is skipped: without Wine or an X server the test
# fails and says why.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/xvfb.sh"
skip() { fail "$*"; }

BUILD=$1
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
WINE_SH="$(dirname "${BASH_SOURCE[0]}")/wine.sh"
RUN_AS=()

wine_cleanup() {
    [ -n "${WINEPREFIX:-}" ] && "${RUN_AS[@]}" env WINEPREFIX="$WINEPREFIX" \
        /usr/lib/wine/wineserver -k 2>/dev/null
    cleanup
}
trap wine_cleanup EXIT

# Runs a command as the test's user: nobody when the test runs as root.
as_user() {
    "${RUN_AS[@]}" env HOME="$WORK/home" WINEPREFIX="$WINEPREFIX" \
        TICKETWISE_WINDOWS_DLLS= DISPLAY="$DISPLAY" "$@"
}

# Starts a Windows program from its folder and waits for the window:
#   start_windows_program FOLDER PROGRAM.exe
start_windows_program() {
    (cd "$1" && exec "${RUN_AS[@]}" env HOME="$WORK/home" WINEPREFIX="$WINEPREFIX" \
        TICKETWISE_WINDOWS_DLLS= DISPLAY="$DISPLAY" bash "$WINE_SH" "$2") \
        >>"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    # Searched again and again: a search fails outright on a window that goes
    # while it looks, as Wine's do while a program starts.
    WINDOW=
    for _ in $(seq 120); do
        WINDOW=$(xdotool search --onlyvisible --name '^Ticketwise$' 2>/dev/null | head -1)
        [ -n "$WINDOW" ] && break
        sleep 0.5
    done
    [ -n "$WINDOW" ] || fail "the window did not appear: $(cat "$WORK/program.log")"
    sleep 1
}

# Closes the window as a user does, and waits for the program to end.
close_windows_program() {
    xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowfocus --sync "$WINDOW"
    xdotool key --clearmodifiers alt+F4
    wait_for_program_end 100
}

# The bytes of a file, as hexadecimal.
hex_of() {
    od -An -tx1 "$1" 2>/dev/null | tr -d ' \n'
}
