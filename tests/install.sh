#!/usr/bin/env bash
# `cmake --install` into a folder of one's own puts the program there, ready to
# keep its log beside it, and a desktop entry in the user's menu.
# usage: install.sh BUILD-FOLDER
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
HOME="$work/home" XDG_DATA_HOME= cmake --install "$1" --prefix "$work/Ticketwise" >/dev/null

test -x "$work/Ticketwise/ticketwise" || { echo "FAILED: no program"; exit 1; }
test -f "$work/Ticketwise/ticketwise.png" || { echo "FAILED: no icon"; exit 1; }
entry="$work/home/.local/share/applications/ticketwise.desktop"
grep -qx "Exec=\"$work/Ticketwise/ticketwise\"" "$entry" || { echo "FAILED: $(cat "$entry")"; exit 1; }
grep -qx "Icon=$work/Ticketwise/ticketwise.png" "$entry" || { echo "FAILED: $(cat "$entry")"; exit 1; }
echo "PASSED: installed into a folder of the user's choice, with a desktop entry"
