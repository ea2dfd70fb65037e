#!/usr/bin/env bash
# Prints the folder of Leptonica and Tesseract for 64-bit Windows,
# cross-built with Debian's MinGW-w64 from Debian's own sources at the
# versions the host has, as scripts/windows-qt.sh builds Qt. Only what reads
# text from an image Qt decoded: no image codecs, no training tools, no
# network. The first call on a machine builds them (10 to 20 minutes on 2
# cores) into a cache outside the clone; later calls return at once.
# Everything but the folder goes to stderr.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
toolchain="$here/../cmake/mingw-w64.cmake"
compiler=x86_64-w64-mingw32-g++-posix

fail() {
    echo "windows-tesseract: $*" >&2
    exit 1
}

command -v "$compiler" >/dev/null || fail "$compiler is missing (make deps installs it)"
# Debian's source of Leptonica is called leptonlib.
leptonica="$(dpkg-query -W -f='${source:Version}' libleptonica-dev 2>/dev/null)" \
    || fail "libleptonica-dev is not installed, so the host Leptonica's version is unknown"
tesseract="$(dpkg-query -W -f='${source:Version}' libtesseract-dev 2>/dev/null)" \
    || fail "libtesseract-dev is not installed, so the host Tesseract's version is unknown"

leptonica_options=(
    -DBUILD_PROG=OFF -DSW_BUILD=OFF -DBUILD_SHARED_LIBS=ON
    -DENABLE_ZLIB=OFF -DENABLE_PNG=OFF -DENABLE_GIF=OFF -DENABLE_JPEG=OFF
    -DENABLE_TIFF=OFF -DENABLE_WEBP=OFF -DENABLE_OPENJPEG=OFF
)
tesseract_options=(
    -DBUILD_TRAINING_TOOLS=OFF -DBUILD_TESTS=OFF -DGRAPHICS_DISABLED=ON
    -DDISABLE_ARCHIVE=ON -DDISABLE_CURL=ON -DDISABLE_TIFF=ON -DOPENMP_BUILD=OFF
    -DENABLE_LTO=OFF -DSW_BUILD=OFF -DBUILD_SHARED_LIBS=ON -DINSTALL_CONFIGS=OFF
)
key="$(printf '%s\n' "$leptonica" "$tesseract" "$("$compiler" --version | head -n1)" \
    "${leptonica_options[@]}" "${tesseract_options[@]}" | sha256sum | cut -c1-12)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/ticketwise"
prefix="$cache/tesseract-${tesseract%%-*}-mingw64-$key"

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
exec 9>"$cache/.lock-tesseract"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

echo "windows-tesseract: building Leptonica $leptonica and Tesseract $tesseract for Windows into $prefix" >&2
started=$(date +%s)
work="$cache/work-tesseract-$key"
mkdir -p "$work" "$prefix"
for source in "leptonlib=$leptonica" "tesseract=$tesseract"; do
    name=${source%%=*}
    if [ ! -f "$work/$name.done" ]; then
        rm -rf "$work/$name"
        bash "$here/debian-source.sh" "$name" "${source#*=}" "$work/$name" >/dev/null
        touch "$work/$name.done"
    fi
done
source_of() { find "$work/$1" -maxdepth 1 -mindepth 1 -type d -name "$1-*" | head -n1; }
# Tesseract names Windows' socket library as Windows spells it; MinGW-w64 on
# Linux has it in lower case.
sed -i 's/\bWs2_32\b/ws2_32/g' "$(source_of tesseract)/CMakeLists.txt"

cmake -S "$(source_of leptonlib)" -B "$work/build-leptonica" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${leptonica_options[@]}" >&2
cmake --build "$work/build-leptonica" >&2
cmake --install "$work/build-leptonica" >&2

cmake -S "$(source_of tesseract)" -B "$work/build-tesseract" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DLeptonica_DIR="$prefix/lib/cmake/leptonica" "${tesseract_options[@]}" >&2
cmake --build "$work/build-tesseract" >&2
cmake --install "$work/build-tesseract" >&2
rm -rf "$work"
echo "$(( $(date +%s) - started )) s" >"$prefix/.complete"
echo "windows-tesseract: built in $(( ($(date +%s) - started) / 60 )) minutes" >&2
echo "$prefix"
