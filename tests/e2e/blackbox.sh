#!/usr/bin/env bash
# The whole program as a user meets it: started beside a saved log, a ticket
# typed and added, the window closed, the program started again.
# usage: blackbox.sh PROGRAM CLOSEWINDOW FIXTURE
set -u
source "$(dirname "$0")/xvfb.sh"

start_xvfb
install_program "$1"
closewindow=$2
cp "$3" "$WORK/app/saved.wok"
fixture=$(cat "$3" | od -An -tx1 | tr -d ' \n')

start_program
click_at 60 312   # Text8
xdotool type --delay 20 "Pick 5"
click_at 190 312  # Text9
xdotool type --delay 20 "12/07/2026"
click_at 300 312  # Text10
xdotool type --delay 20 "3-17-22-30-41"
click_at 64 372   # ADD

"$closewindow" "$WINDOW"
wait_for_program_end 50

ticket=$(printf 'Pick 5\r\n12/07/2026\r\n3-17-22-30-41\r\n' | od -An -tx1 | tr -d ' \n')
saved=$(od -An -tx1 "$WORK/app/saved.wok" | tr -d ' \n')
[ "$saved" = "$fixture$ticket" ] || fail "saved.wok after ADD: $saved"

# Started again, the list holds the four tickets: an ADD of three empty
# fields writes them back, in order, before its own empty row.
start_program
click_at 64 372   # ADD
saved=$(od -An -tx1 "$WORK/app/saved.wok" | tr -d ' \n')
[ "$saved" = "${fixture}${ticket}0d0a0d0a0d0a" ] || fail "saved.wok after restart and ADD: $saved"
echo "PASSED: the ticket was kept and read back in order"
