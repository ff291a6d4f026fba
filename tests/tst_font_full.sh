#!/usr/bin/env bash
# glimmet-font on a full file system: each write fails with the system's reason, exit status 1,
# no partial file, and an existing table or sheet stays as it was. The file system is a small
# tmpfs in a mount namespace of its own, which goes away with the test; that takes root, and the
# test is skipped without it.
# Usage: tst_font_full.sh GLIMMET_FONT
set -euo pipefail
font=$(realpath "$1")
if [ "${GLIMMET_FULL_INSIDE:-}" != 1 ]; then
    if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
        echo "skipped: a tmpfs of its own needs root"
        exit 77
    fi
    exec env GLIMMET_FULL_INSIDE=1 unshare -m "$0" "$@"
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The messages are kept off the full disk, where truncating them would make room.
log=$(mktemp -d)
disk=$(mktemp -d)
trap 'cd / && umount "$disk"; rm -rf "$disk" "$log"' EXIT
mount -t tmpfs -o size=256k tmpfs "$disk"
cd "$disk"
echo old >table.c
echo old >sheet-1.png
# Room for the old files and a few of the pages, not for the tables.
expect_full() {
    local name=$1
    shift
    local status=0
    LANG=C "$font" "$@" 2>"$log/err.txt" || status=$?
    [ "$status" -eq 1 ] || fail "$name: exit status $status"
    grep -q "^glimmet-font: cannot write .*: No space left on device$" "$log/err.txt" ||
        fail "$name: $(cat "$log/err.txt")"
    [ "$(cat table.c)" = old ] && [ "$(cat sheet-1.png)" = old ] || fail "$name: an old file changed"
    local files
    files=$(ls -A | grep -v -x -e table.c -e sheet-1.png -e fill -e out.txt || true)
    [ -z "$files" ] || fail "$name: left $files"
}
expect_full "a large table" --charset gb2312 -o table.c
expect_full "a large table at 32 pixels" --charset gb2312-hanzi --size 32 --format asm -o table.c
expect_full "a paged sheet" --charset gb2312-hanzi -o /dev/null --sheet sheet.png
head -c 1M /dev/zero >fill 2>/dev/null || true
expect_full "a small table on a full disk" -o table.c A
expect_full "a small sheet on a full disk" -o /dev/null --sheet sheet.png A
expect_full "standard output on a full disk" --format text A >"$disk/out.txt"
echo "every write on a full file system fails whole, with the system's reason"
