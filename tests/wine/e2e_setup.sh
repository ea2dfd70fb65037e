#!/usr/bin/env bash
# The setup under Wine: it installs silently into Program Files; an ordinary
# user who cannot write that folder starts the program, and the ticket they
# add is kept in their own %APPDATA% log; the uninstaller removes the program
# and leaves that log.
# usage: e2e_setup.sh WINDOWS-BUILD-FOLDER
set -u
XVFB_ARGS=-ac # the program may run as another user than the X server
source "$(dirname "$0")/common.sh"

start_xvfb
chmod 755 "$WORK"
mkdir -p "$WORK/home" "$WORK/wine"
if [ "$(id -u)" = 0 ]; then
    chown nobody "$WORK/home" "$WORK/wine"
    RUN_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
WINEPREFIX="$WORK/wine/prefix"
# The clone may lie where the user cannot reach, as one in /root does.
cp "$WINE_SH" "$WORK/wine.sh"
WINE_SH="$WORK/wine.sh"
setup="$WORK/Ticketwise-$VERSION-setup.exe"
cp "$BUILD/Ticketwise-$VERSION-setup.exe" "$setup"
chmod 644 "$setup"

as_user bash "$WINE_SH" "$setup" /S >>"$WORK/program.log" 2>&1 || fail "the setup failed: $(cat "$WORK/program.log")"
as_user /usr/lib/wine/wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Ticketwise"
[ -f "$installed/ticketwise.exe" ] || fail "nothing was installed in Program Files"
[ -f "$installed/platforms/qwindows.dll" ] || fail "the Windows platform plugin was not installed"
find "$WINEPREFIX/drive_c/ProgramData" -name 'Ticketwise.lnk' | grep -q . || fail "no Start-menu shortcut"
grep -q 'Uninstall\\\\Ticketwise' "$WINEPREFIX/system.reg" || fail "not listed with the installed programs"

# A standard user may not write Program Files, though Windows marks nothing
# there read-only: as root, the folder is given to root, writable by its
# owner alone, which Wine shows the user as a folder without the read-only
# mark. Otherwise the user's own write permission is taken away.
if [ "$(id -u)" = 0 ]; then
    chown -R root:root "$installed"
    chmod -R u+w,go-w "$installed"
else
    chmod -R a-w "$installed"
fi
start_windows_program "$installed" ticketwise.exe
click_at 60 312   # Text8
xdotool type --delay 20 "Pick 3"
click_at 64 372   # ADD
close_windows_program
log=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/Ticketwise/saved.wok')
[ -n "$log" ] || fail "no log in the user's AppData: $(cat "$WORK/program.log")"
[ "$(hex_of "$log")" = "$(printf 'Pick 3\r\n\r\n\r\n' | od -An -tx1 | tr -d ' \n')" ] ||
    fail "the user's log holds: $(hex_of "$log")"
[ -z "$(find "$installed" -name 'saved.wok*')" ] || fail "a log was written into Program Files"

# The uninstaller runs with the rights of one who may write Program Files.
[ "$(id -u)" = 0 ] && chown -R nobody "$installed"
chmod -R u+w "$installed"
as_user bash "$WINE_SH" "$installed/uninstall.exe" /S >>"$WORK/program.log" 2>&1 ||
    fail "the uninstaller failed: $(cat "$WORK/program.log")"
as_user /usr/lib/wine/wineserver -w
[ ! -e "$installed" ] || fail "the uninstaller left: $(find "$installed")"
[ -f "$log" ] || fail "the uninstaller removed the user's log"
grep -q 'Uninstall\\\\Ticketwise' "$WINEPREFIX/system.reg" && fail "still listed with the installed programs"
echo "PASSED: installed silently, the user's ticket kept in AppData, uninstalled leaving the log"
