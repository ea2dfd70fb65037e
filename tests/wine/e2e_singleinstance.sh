#!/usr/bin/env bash
# One window per log under Wine, where the copies meet on a named pipe: a
# second start on the same log brings the first window to the front and
# ends; a copy in another folder opens its own window.
# usage: e2e_singleinstance.sh WINDOWS-BUILD-FOLDER
set -u
source "$(dirname "$0")/common.sh"

start_xvfb
(cd "$WORK" && cmake -E tar xf "$BUILD/Ticketwise-$VERSION-win64.zip") || fail "the zip did not unpack"
cp -r "$WORK/Ticketwise" "$WORK/other"

windows() {
    xdotool search --onlyvisible --name '^Ticketwise$' 2>/dev/null | wc -l
}

start_windows_program "$WORK/Ticketwise" ticketwise.exe
first=$PROGRAM_PID
(cd "$WORK/Ticketwise" && as_user timeout 60 bash "$WINE_SH" ticketwise.exe) >>"$WORK/program.log" 2>&1
status=$?
[ "$status" = 0 ] || fail "the second start ended with $status: $(cat "$WORK/program.log")"
sleep 1
[ "$(windows)" = 1 ] || fail "$(windows) windows after a second start on the same log"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

(cd "$WORK/other" && as_user bash "$WINE_SH" ticketwise.exe) >>"$WORK/program.log" 2>&1 &
for _ in $(seq 300); do
    [ "$(windows)" = 2 ] && break
    sleep 0.1
done
[ "$(windows)" = 2 ] || fail "a copy on another log opened no window of its own"
echo "PASSED: one window per log under Wine"
