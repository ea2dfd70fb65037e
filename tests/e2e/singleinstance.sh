#!/usr/bin/env bash
# One window per log: a second start on the same log ends and leaves the one
# window; after a copy is killed, a new start gets a window; beside a copy
# that holds the log but does not answer, a new start says so and ends; beside
# one still loading a long log, it ends quietly.
# Times are printed, not judged.
# usage: singleinstance.sh PROGRAM
set -u
source "$(dirname "$0")/xvfb.sh"

windows() {
    xdotool search --onlyvisible --name '^Ticketwise$' 2>/dev/null | wc -l
}

# Starts a copy as LAST_PID and waits until there are COUNT windows; ELAPSED
# says how long that took, in milliseconds.
start_copy() { # FOLDER COUNT-AFTERWARDS
    local started=$(date +%s%N)
    (cd / && exec "$1/ticketwise") >>"$WORK/program.log" 2>&1 &
    LAST_PID=$!
    for _ in $(seq 200); do
        [ "$(windows)" -ge "$2" ] && break
        sleep 0.05
    done
    [ "$(windows)" -ge "$2" ] || fail "no window from $1: $(cat "$WORK/program.log")"
    ELAPSED=$(( ($(date +%s%N) - started) / 1000000 ))
}

# Starts another copy on the log and waits up to TENTHS tenths of a second
# for it to end with 0, as a start handed to the running copy does.
second_start_ends() { # TENTHS WHAT
    (cd / && exec "$WORK/app/ticketwise") >>"$WORK/program.log" 2>&1 &
    local second=$!
    for _ in $(seq "$1"); do
        kill -0 "$second" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$second" 2>/dev/null && fail "a second start $2 did not end"
    wait "$second" || fail "a second start $2 ended with an error"
}

start_xvfb
install_program "$1"
mkdir -p "$WORK/other"
cp "$1" "$WORK/other/ticketwise"

start_copy "$WORK/app" 1
first=$LAST_PID
echo "first start: window after $ELAPSED ms"

second_start_ends 50 "on the same log"
sleep 0.3
[ "$(windows)" = 1 ] || fail "$(windows) windows after a second start on one log"
kill -0 "$first" || fail "the first copy ended"
echo "PASSED: a second start on the same log ended and left one window"

start_copy "$WORK/other" 2
other=$LAST_PID
echo "PASSED: a copy in another folder has a window of its own ($ELAPSED ms)"
kill "$other"
wait "$other" 2>/dev/null

kill -9 "$first"
wait "$first" 2>/dev/null
sleep 0.3
start_copy "$WORK/app" 1
echo "PASSED: after a copy was killed, a new start had its window after $ELAPSED ms"

kill -STOP "$LAST_PID"
hung=$LAST_PID
started=$(date +%s%N)
(cd / && exec "$WORK/app/ticketwise") >>"$WORK/program.log" 2>&1 &
late=$!
message=$(timeout 10 xdotool search --sync --onlyvisible --pid "$late" | head -1)
[ -n "$message" ] || fail "beside a stopped copy, a new start showed nothing"
echo "beside a stopped copy, a new start spoke after $(( ($(date +%s%N) - started) / 1000000 )) ms"
size=$(xdotool getwindowgeometry "$message" | sed -n 's/.*Geometry: //p')
main_size=$(xdotool getwindowgeometry "$(xdotool search --onlyvisible --pid "$hung" | head -1)" |
    sed -n 's/.*Geometry: //p')
[ "$size" != "$main_size" ] || fail "beside a stopped copy, a new start opened a window on the log"
xdotool windowfocus --sync "$message"
xdotool key Return
for _ in $(seq 50); do
    kill -0 "$late" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$late" 2>/dev/null && fail "the new start did not end after its message"
wait "$late" && fail "the new start ended as if all were well"
[ "$(windows)" = 1 ] || fail "$(windows) windows beside a stopped copy"
echo "PASSED: beside a stopped copy, a new start said so and ended"
kill -9 "$hung"
wait "$hung" 2>/dev/null

# A copy still loading a long log is not a copy that does not answer.
tickets=10000000
yes $'Pick 5\r\n12/07/2026\r\n3-17-22-30-41\r' | head -n $((3 * tickets)) >"$WORK/app/saved.wok"
(cd / && exec "$WORK/app/ticketwise") >>"$WORK/program.log" 2>&1 &
loading=$!
sleep 0.1
started=$(date +%s%N)
second_start_ends 300 "beside a copy loading $tickets tickets"
echo "beside a copy loading $tickets tickets, a second start ended after $(( ($(date +%s%N) - started) / 1000000 )) ms"
sleep 0.5
[ "$(windows)" = 1 ] || fail "$(windows) windows beside a copy that was loading"
echo "PASSED: beside a copy loading a long log, a second start left one window and no message"
kill "$loading"

