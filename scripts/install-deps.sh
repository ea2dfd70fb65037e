#!/usr/bin/env bash
# Installs the Debian packages listed in debian-packages.txt that are not
# installed yet. Does nothing when all are present.
set -euo pipefail

list="$(dirname "$0")/debian-packages.txt"
missing=()
while read -r package; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$list")

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
