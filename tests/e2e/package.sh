#!/usr/bin/env bash
# The Debian package, unpacked into a root of its own, used by an ordinary
# user who cannot write the program's folder: a ticket added is found again
# after a restart, kept in the user's own data folder.
# usage: package.sh BUILD-FOLDER
set -u
XVFB_ARGS=-ac # the program may run as another user than the X server
source "$(dirname "$0")/xvfb.sh"

start_xvfb
chmod 755 "$WORK"
cpack -G DEB -B "$WORK/package" --config "$1/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$WORK/cpack.log")"
deb=$(ls "$WORK"/package/ticketwise_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-liberation2 fonts-comic-neue libtesseract5 tesseract-ocr-eng; do
    [[ "$depends" == *"$package"* ]] || fail "the package does not depend on $package: $depends"
done
dpkg-deb -x "$deb" "$WORK/root"
entry="$WORK/root/usr/share/applications/ticketwise.desktop"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -qx "Exec=/usr/bin/ticketwise" "$entry" || fail "$(cat "$entry")"
test -f "$WORK/root/usr/share/icons/hicolor/48x48/apps/ticketwise.png" || fail "no icon"
# Its licence where Debian keeps them, in the machine-readable format.
copyright="$WORK/root/usr/share/doc/ticketwise/copyright"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "no machine-readable copyright file"
grep -qx 'License: Expat' "$copyright" || fail "the copyright file names no licence"

home="$WORK/home"
mkdir -p "$home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
run_as_user=()
if [ "$(id -u)" = 0 ]; then
    chown nobody "$home" "$WORK/runtime"
    run_as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$WORK/root"
fi
start_packaged() {
    (cd / && exec "${run_as_user[@]}" env -i DISPLAY="$DISPLAY" HOME="$home" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$WORK/runtime" PATH=/usr/bin:/bin \
        "$WORK/root/usr/bin/ticketwise") >>"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ticketwise$' | head -1)
    [ -n "$WINDOW" ] || fail "the window did not appear: $(cat "$WORK/program.log")"
    sleep 0.5
}
stop_packaged() {
    kill "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null
    PROGRAM_PID=
    for _ in $(seq 50); do
        [ -z "$(xdotool search --onlyvisible --name '^Ticketwise$' 2>/dev/null)" ] && break
        sleep 0.1
    done
}

log="$home/.local/share/Ticketwise/saved.wok"
start_packaged
click_at 60 312  # Text8
xdotool type --delay 20 "Pick 5"
click_at 64 372  # ADD
stop_packaged
[ "$(od -An -c "$log" 2>/dev/null | tr -s ' ')" = "$(printf 'Pick 5\r\n\r\n\r\n' | od -An -c | tr -s ' ')" ] ||
    fail "after ADD the user's log holds: $(od -c "$log" 2>&1)"

# Started again, the list holds the ticket: an ADD of three empty fields
# writes it back before its own empty row.
start_packaged
click_at 64 372  # ADD
stop_packaged
[ "$(od -An -c "$log" | tr -s ' ')" = "$(printf 'Pick 5\r\n\r\n\r\n\r\n\r\n\r\n' | od -An -c | tr -s ' ')" ] ||
    fail "after a restart and ADD the user's log holds: $(od -c "$log")"
[ -z "$(find "$WORK/root" -name 'saved.wok*')" ] || fail "a log was written into the program's folder"
echo "PASSED: the packaged program kept an ordinary user's ticket in their own folder"
