#!/usr/bin/env bash
# The log written over itself under Wine, on a drive that is a small ext4
# image, loop-mounted and filled up by another file, as full as can be and
# with room for part of the new log: the save fails, says the disk is full,
# and the old log keeps every byte. With room again, a shorter log is cut to
# its length.
# usage: fulldisk.sh WINDOWS-BUILD-FOLDER (as root; needs WINEPREFIX)
set -u
fail() {
    echo "FAILED: $*"
    exit 1
}
[ "$(id -u)" = 0 ] || fail "mounting a small file system needs root"
saver() {
    bash "$(dirname "$0")/wine.sh" "$1/logsaver.exe" "${@:2}"
}

work=$(mktemp -d)
disk="$work/disk"
drive="$WINEPREFIX/dosdevices/t:"
trap 'umount "$disk" 2>/dev/null; rm -rf "$drive" "$work"' EXIT
mkdir "$disk"
truncate -s 512K "$work/disk.img"
mkfs.ext4 -q -F -m 0 "$work/disk.img" 2>/dev/null || fail "mkfs.ext4 failed"
mount -o loop "$work/disk.img" "$disk" || fail "the disk image could not be mounted"
saver "$1" >/dev/null 2>&1 # makes the prefix, where the drive is mapped
rm -rf "$drive" && ln -s "$disk" "$drive"

yes $'Pick 5\r\n12/07/2026\r\n3-17-22-30-41\r' | head -n 3840 >"$work/old.wok"
cp "$work/old.wok" "$disk/saved.wok"
for room in 0 8192; do
    dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null
    truncate -s "-$room" "$disk/filler"
    reason=$(saver "$1" 'T:\saved.wok' 2000 longer --in-place 2>&1)
    status=$?
    [ "$status" = 1 ] || fail "a save on a full disk ended with $status, not as a failed save"
    grep -Eqi "space|full" <<<"$reason" || fail "a save on a full disk gave the reason \"$reason\""
    cmp "$work/old.wok" "$disk/saved.wok" || fail "a failed save with $room bytes free changed the log"
    rm "$disk/filler"
done
echo "PASSED: a save on a full disk failed and left the old log byte for byte"

saver "$1" 'T:\saved.wok' 2 short --in-place || fail "with room again, the save failed"
printf 'short %s 0\r\n' game date numbers >"$work/short.wok"
printf 'short %s 1\r\n' game date numbers >>"$work/short.wok"
cmp "$work/short.wok" "$disk/saved.wok" || fail "the shorter log was not cut to its length"
echo "PASSED: with room again, a shorter log was cut to its length"
