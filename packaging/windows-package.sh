#!/usr/bin/env bash
# Gathers ticketwise.exe with the DLLs it loads into a folder, strips them,
# and makes the portable zip and the setup from it:
#   windows-package.sh EXE QT_PREFIX VERSION NSI OUT_DIR
set -euo pipefail

exe=$1 qt=$2 version=$3 nsi=$4 out=$5
target=x86_64-w64-mingw32
runtime_dirs=("$qt/bin" "$(dirname "$($target-gcc-posix -print-libgcc-file-name)")" "/usr/$target/lib")

stage="$out/stage/Ticketwise"
rm -rf "$out/stage"
# The window's platform, its native style, and the reader of its .ico icon.
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll)
mkdir -p "$stage"
cp "$exe" "$stage/"
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
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$files" -DREMOVE="$remove" \
    -DICON="$(dirname "$nsi")/../assets/ticketwise.ico" \
    -DOUTFILE="$out/Ticketwise-$version-setup.exe" "$nsi"
ls -l "$zip" "$out/Ticketwise-$version-setup.exe" | awk '{print $5, $9}'
