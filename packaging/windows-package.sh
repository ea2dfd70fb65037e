#!/usr/bin/env bash
# Gathers ticketwise.exe with the DLLs it loads into a folder, strips them,
# with the English data Tesseract reads a photo's text with, and makes the
# portable zip and the setup from it:
#   windows-package.sh EXE QT_PREFIX VERSION NSI OUT_DIR TESSERACT_PREFIX TESSDATA
set -euo pipefail

exe=$1 qt=$2 version=$3 nsi=$4 out=$5 tesseract=$6 tessdata=$7
target=x86_64-w64-mingw32
runtime_dirs=("$qt/bin" "$tesseract/bin" "$(dirname "$($target-gcc-posix -print-libgcc-file-name)")"
    "/usr/$target/lib")

stage="$out/stage/Ticketwise"
rm -rf "$out/stage"
# The window's platform, its native style, the readers of its .ico icon and
# of photos, and HTTPS through Windows' own TLS.
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll
    imageformats/qjpeg.dll tls/qschannelbackend.dll)
mkdir -p "$stage/tessdata"
cp "$exe" "$stage/"
cp "$tessdata/eng.traineddata" "$stage/tessdata/"
for plugin in "${plugins[@]}"; do
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$stage/$plugin"
done

# Each DLL that a shipped file imports and that is not part of Windows, and
# each of theirs in turn.
find_dll() {
    local dir
    for dir in "${runtime_dirs[@]}"; do
        [ -f "$dir/$1" ] && { echo "$dir/$1"; return; }
    done
    return 0
}
pending=("$stage/ticketwise.exe" "${plugins[@]/#/$stage/}")
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    for dll in $($target-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
        [ -f "$stage/$dll" ] && continue
        source=$(find_dll "$dll")
        [ -n "$source" ] || continue
        cp "$source" "$stage/"
        pending+=("$stage/$dll")
    done
done
find "$stage" -name '*.exe' -o -name '*.dll' | xargs $target-strip --strip-unneeded

# The licences of all that is carried, as a Windows user opens them: text
# with CR LF. Qt's source is named by the Debian source package it was built
# from.
crlf() { sed 's/\r*$/\r/' "$@"; }
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_version=${source_version%%+*}
mkdir -p "$stage/licenses"
crlf "$(dirname "$nsi")/../LICENSE" >"$stage/LICENSE.txt"
crlf /usr/share/common-licenses/LGPL-3 >"$stage/licenses/LGPL-3.0.txt"
crlf /usr/share/common-licenses/GPL-3 >"$stage/licenses/GPL-3.0.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright >"$stage/licenses/GCC runtime.txt"
crlf /usr/share/doc/mingw-w64-common/copyright >"$stage/licenses/MinGW-w64.txt"
crlf /usr/share/common-licenses/Apache-2.0 >"$stage/licenses/Apache-2.0.txt"
crlf /usr/share/doc/libleptonica-dev/copyright >"$stage/licenses/Leptonica.txt"
crlf /usr/share/doc/tesseract-ocr-eng/copyright >"$stage/licenses/Tesseract English data.txt"
tesseract_version=$(dpkg-query -W -f='${source:Version}' libtesseract-dev)
leptonica_version=$(dpkg-query -W -f='${source:Version}' libleptonica-dev)
tessdata_version=$(dpkg-query -W -f='${Version}' tesseract-ocr-eng)
crlf >"$stage/THIRD-PARTY.txt" <<NOTICE
Ticketwise $version for Windows

Ticketwise is under the MIT licence: LICENSE.txt.

It carries, beside ticketwise.exe:

- Qt $qt_version (Qt6Core.dll, Qt6Gui.dll, Qt6Network.dll, Qt6Widgets.dll, and
  the plugins in platforms, styles and imageformats), under the GNU Lesser
  General Public License version 3: licenses/LGPL-3.0.txt, with the GNU
  General Public License version 3 it builds on, licenses/GPL-3.0.txt.
  Its source is Debian's qt6-base source package, version $source_version
  ("apt-get source qt6-base=$source_version"), built for 64-bit Windows with
  MinGW-w64 by scripts/windows-qt.sh of Ticketwise's own source, which says
  every option and change. The libraries are linked dynamically: a Qt of your
  own, built alike, may take their place. The parts Qt bundles in these
  libraries (zlib, libpng, PCRE2, HarfBuzz) are under their own licences, which
  that source holds in src/3rdparty, and so is the libjpeg it carries for
  qjpeg.dll (the Independent JPEG Group's licence, in src/3rdparty/libjpeg).
- Tesseract (libtesseract-5.dll), which reads the text of a photo of a
  ticket, under the Apache License 2.0: licenses/Apache-2.0.txt. Its source
  is Debian's tesseract source package, version $tesseract_version.
- Leptonica (libleptonica-*.dll), the image library Tesseract builds on,
  under its BSD-style licence: licenses/Leptonica.txt. Its source is
  Debian's leptonlib source package, version $leptonica_version.
  Both are built for 64-bit Windows with MinGW-w64 by
  scripts/windows-tesseract.sh of Ticketwise's own source.
- Tesseract's English data (tessdata/eng.traineddata), from Debian's
  tesseract-ocr-eng package, version $tessdata_version, under the Apache
  License 2.0: licenses/Tesseract English data.txt.
- The GCC runtime (libgcc_s_seh-1.dll, libstdc++-6.dll), under the GNU General
  Public License version 3 with the GCC Runtime Library Exception, and
  winpthreads (libwinpthread-1.dll), under the MIT (Expat) licence, from
  Debian's MinGW-w64 packages: licenses/GCC runtime.txt and
  licenses/MinGW-w64.txt.

No fonts are carried: the window uses those of Windows.
NOTICE

zip="$out/Ticketwise-$version-win64.zip"
rm -f "$zip"
(cd "$out/stage" && cmake -E tar cf "$zip" --format=zip Ticketwise)

# What the setup installs, and what its uninstaller removes, file by file.
files="$out/stage/files.nsh" remove="$out/stage/remove.nsh"
: >"$files"
: >"$remove"
(cd "$stage" && find . -type f | sort) | while read -r file; do
    file=${file#./}
    folder=$(dirname "$file")
    winfile=${file//\//\\}
    if [ "$folder" = . ]; then
        echo "SetOutPath \"\$INSTDIR\"" >>"$files"
    else
        echo "SetOutPath \"\$INSTDIR\\$folder\"" >>"$files"
    fi
    echo "File \"$stage/$file\"" >>"$files"
    echo "Delete \"\$INSTDIR\\$winfile\"" >>"$remove"
done
# Then each folder, the deepest first; only those left empty go.
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r folder; do
    folder=${folder#./}
    echo "RMDir \"\$INSTDIR\\${folder//\//\\}\"" >>"$remove"
done
makensis -V2 -DVERSION="$version" -DLICENSE="$stage/LICENSE.txt" -DSTAGE="$stage" -DFILES="$files" -DREMOVE="$remove" \
    -DICON="$(dirname "$nsi")/../assets/ticketwise.ico" \
    -DOUTFILE="$out/Ticketwise-$version-setup.exe" "$nsi"
ls -l "$zip" "$out/Ticketwise-$version-setup.exe" | awk '{print $5, $9}'
