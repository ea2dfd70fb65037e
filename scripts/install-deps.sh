#!/usr/bin/env bash
# usage: install-deps.sh GROUP...
# Installs the Debian packages of the named groups of debian-packages.txt
# ([run], [test]) that are not installed yet. Does nothing when all are
# present.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 GROUP... (run, test)" >&2; exit 2; }
list="$(dirname "$0")/debian-packages.txt"
for group in "$@"; do
    grep -qx "\[$group\]" "$list" || { echo "install-deps: no group [$group] in $list" >&2; exit 2; }
done

missing=()
while read -r package; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$list" |
    awk -v groups=" $* " '/^\[.*\]$/ { inside = index(groups, " " substr($0, 2, length($0) - 2) " ") > 0; next }
                          inside')

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
