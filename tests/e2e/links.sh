#!/usr/bin/env bash
# The program on a real X server opens the results link and a sponsor picture
# through the desktop's handler: a stand-in xdg-open records what it is given.
# usage: links.sh PROGRAM
set -u
source "$(dirname "$0")/xvfb.sh"

start_xvfb
install_program "$1"
mkdir -p "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$WORK/opened"
SCRIPT
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"
unset BROWSER

start_program
click_at 313 10  # the "LOTTO PLUS" tab
click_at 120 52  # Label9(0)
click_at 70 300  # Picture2

for _ in $(seq 50); do
    [ "$(wc -l <"$WORK/opened" 2>/dev/null)" = 2 ] && break
    sleep 0.1
done
expected="http://www.state-lottery-results.example/
http://clicks.sponsor-network.example/click-453032-8417660"
actual=$(cat "$WORK/opened" 2>/dev/null)
[ "$actual" = "$expected" ] || fail "opened: '$actual', expected: '$expected'"
echo "PASSED: both addresses went to the desktop's handler"
