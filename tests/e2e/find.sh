#!/usr/bin/env bash
# Find, DELETE, undo, as a user does them: Ctrl+F, a few keys, a click on the
# one ticket listed, DELETE, Ctrl+Z. DELETE takes that ticket out of the log,
# not the one at its row in the whole log, and undo puts it back.
# usage: find.sh PROGRAM
set -u
source "$(dirname "$0")/xvfb.sh"

start_xvfb
install_program "$1"
log="$WORK/app/saved.wok"
printf '%s\r\n' "Pick 3" 12/01/2026 3-7-1 "Pick 5" 12/02/2026 1-2-3-4-5 "Pick 3" 12/03/2026 1-7-3 >"$log"
cp "$log" "$WORK/before.wok"
start_program

click_at 100 150 # the list
xdotool key ctrl+f
xdotool type --delay 20 "1-7"
sleep 0.3
click_at 100 82 # the one ticket listed
click_at 184 372 # DELETE
printf '%s\r\n' "Pick 3" 12/01/2026 3-7-1 "Pick 5" 12/02/2026 1-2-3-4-5 >"$WORK/deleted.wok"
cmp -s "$log" "$WORK/deleted.wok" || fail "DELETE in a found list left: $(od -c "$log" | head -5)"
echo "PASSED: DELETE took out the ticket found, not the one at its row"

xdotool key ctrl+z
sleep 0.3
cmp -s "$log" "$WORK/before.wok" || fail "undo did not put the ticket back: $(od -c "$log" | head -5)"
echo "PASSED: undo put the ticket back"
