#!/usr/bin/env bash
# `cmake --install` into a prefix of one's own: the program under lib/, a link
# in bin/, and a valid menu entry and icon where the desktop looks for them.
# usage: install.sh BUILD-FOLDER
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/.local"
cmake --install "$1" --prefix "$prefix" >/dev/null

fail() { echo "FAILED: $*"; exit 1; }
test -x "$prefix/lib/ticketwise/ticketwise" || fail "no program"
[ "$(readlink -f "$prefix/bin/ticketwise")" = "$prefix/lib/ticketwise/ticketwise" ] ||
    fail "bin/ticketwise does not lead to the program"
test -f "$prefix/share/icons/hicolor/48x48/apps/ticketwise.png" || fail "no icon"
entry="$prefix/share/applications/ticketwise.desktop"
grep -qx "Exec=$prefix/bin/ticketwise" "$entry" || fail "$(cat "$entry")"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the desktop entry is not valid"
fi
echo "PASSED: installed under a prefix of the user's choice, with a menu entry"
