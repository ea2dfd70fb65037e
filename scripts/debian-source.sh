#!/usr/bin/env bash
# usage: debian-source.sh PACKAGE VERSION FOLDER
# Fetches the Debian source of PACKAGE at VERSION into FOLDER, through a
# private apt setup that reads the machine's own sources as source lists:
# the machine's apt configuration stays as it is. Prints the folder of the
# unpacked source. Everything else goes to stderr.
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: $0 PACKAGE VERSION FOLDER" >&2; exit 2; }
package=$1
version=$2
work=$3
mkdir -p "$work"
apt="$work/apt"
rm -rf "$apt"
mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial"
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$apt/sources.list"
else
    : >"$apt/sources.list"
fi
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt/sources.list.d/$(basename "$f")"
done
apt_options=(
    -o Dir::Etc::SourceList="$apt/sources.list"
    -o Dir::Etc::SourceParts="$apt/sources.list.d"
    -o Dir::State::Lists="$apt/lists"
    -o Dir::Cache="$apt/cache"
    -o Debug::NoLocking=1
)
[ "$(id -u)" -eq 0 ] && apt_options+=(-o APT::Sandbox::User=root)
apt-get -q "${apt_options[@]}" update >&2
(cd "$work" && apt-get -q "${apt_options[@]}" source --only-source "$package=$version") >&2 || {
    echo "debian-source: apt-get source could not fetch $package $version" >&2
    exit 1
}
rm -rf "$apt"
find "$work" -maxdepth 1 -mindepth 1 -type d -name "$package-*" | head -n1
