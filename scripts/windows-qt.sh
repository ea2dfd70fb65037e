#!/usr/bin/env bash
# Prints the folder of a Qt for 64-bit Windows, cross-built with Debian's
# MinGW-w64 from Debian's own qt6-base source at the host Qt's version.
# The first call on a machine builds it (20 to 40 minutes on 2 cores) into
# a cache outside the clone; later calls find it there and return at once.
# Everything but the folder goes to stderr.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
toolchain="$here/../cmake/mingw-w64.cmake"
compiler=x86_64-w64-mingw32-g++-posix

fail() {
    echo "windows-qt: $*" >&2
    exit 1
}

command -v "$compiler" >/dev/null || fail "$compiler is missing (make deps installs it)"
version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null)" \
    || fail "qt6-base-dev is not installed, so the host Qt's version is unknown"

# Only what the program uses: Core, Gui, Widgets, Network (the local socket
# behind one window per log, and HTTPS through Windows' own TLS, Schannel,
# for a fetch of past draws) and Test. wintab is not in Debian's source, so
# tablet events go; with OpenGL off the Windows plugin must drop dynamic GL.
# JPEG, with the libjpeg Qt carries, for the photos of tickets.
options=(
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF -DFEATURE_ssl=ON -DFEATURE_schannel=ON -DFEATURE_openssl=OFF
    -DFEATURE_freetype=OFF -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_gif=OFF
)
key="$(printf '%s\n' "$version" "$("$compiler" --version | head -n1)" "${options[@]}" \
    | sha256sum | cut -c1-12)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/ticketwise"
prefix="$cache/qt-${version%%+*}-mingw64-$key"

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

echo "windows-qt: building Qt $version for Windows into $prefix" >&2
echo "windows-qt: this happens once per machine and takes 20 to 40 minutes" >&2
started=$(date +%s)
# A build cut short goes on where it stopped.
work="$cache/work-$key"
mkdir -p "$work" "$prefix"
# Qt's own toolchain file loads this one: keep it with Qt, not in a clone.
cp "$toolchain" "$prefix/mingw-w64.cmake"

if [ ! -f "$work/source.done" ]; then
    rm -rf "$work"/qt6-base*
    bash "$here/debian-source.sh" qt6-base "$version" "$work" >/dev/null ||
        fail "apt-get source could not fetch qt6-base $version"
    touch "$work/source.done"
fi
source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"
[ -n "$source_dir" ] || fail "apt-get source gave no qt6-base folder"

cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
rm -rf "$work"
echo "$(( $(date +%s) - started )) s" >"$prefix/.complete"
echo "windows-qt: built in $(( ($(date +%s) - started) / 60 )) minutes" >&2
echo "$prefix"
