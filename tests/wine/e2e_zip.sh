#!/usr/bin/env bash
# The portable zip as a user meets it under Wine: unzipped into a folder of
# their own, a ticket typed and added, the window closed, the program started
# again. The log stays beside the program, in CR LF lines.
# usage: e2e_zip.sh WINDOWS-BUILD-FOLDER
set -u
source "$(dirname "$0")/common.sh"

start_xvfb

(cd "$WORK" && cmake -E tar xf "$BUILD/Ticketwise-$VERSION-win64.zip") || fail "the zip did not unpack"
# The licences of all it carries, beside the program, as Notepad opens them.
for file in LICENSE.txt THIRD-PARTY.txt licenses/LGPL-3.0.txt licenses/GPL-3.0.txt \
    "licenses/GCC runtime.txt" licenses/MinGW-w64.txt licenses/Apache-2.0.txt \
    licenses/Leptonica.txt "licenses/Tesseract English data.txt"; do
    grep -q $'\r$' "$WORK/Ticketwise/$file" || fail "$file is missing or has no CR LF"
done
# What reads a photo of a ticket: Tesseract, its English data, Qt's JPEG reader.
for file in tessdata/eng.traineddata imageformats/qjpeg.dll; do
    test -s "$WORK/Ticketwise/$file" || fail "the zip carries no $file"
done
ls "$WORK/Ticketwise"/libtesseract*.dll >/dev/null 2>&1 || fail "the zip carries no Tesseract"
qt=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
grep -q "qt6-base=$qt" "$WORK/Ticketwise/THIRD-PARTY.txt" || fail "THIRD-PARTY.txt names no Qt source"
app="$WORK/Ticketwise"

start_windows_program "$app" ticketwise.exe
click_at 60 312   # Text8
xdotool type --delay 20 "Pick 5"
click_at 190 312  # Text9
xdotool type --delay 20 "12/07/2026"
click_at 64 372   # ADD
close_windows_program

ticket=$(printf 'Pick 5\r\n12/07/2026\r\n\r\n' | od -An -tx1 | tr -d ' \n')
[ "$(hex_of "$app/saved.wok")" = "$ticket" ] || fail "saved.wok after ADD: $(hex_of "$app/saved.wok")"

# Started again, the list holds the ticket: an ADD of three empty fields
# writes it back before its own empty row.
start_windows_program "$app" ticketwise.exe
click_at 64 372   # ADD
close_windows_program
[ "$(hex_of "$app/saved.wok")" = "${ticket}0d0a0d0a0d0a" ] ||
    fail "saved.wok after a restart and ADD: $(hex_of "$app/saved.wok")"
echo "PASSED: the zip kept the ticket beside the program and read it back"
