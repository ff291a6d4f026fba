#!/usr/bin/env bash
# Every text of glimmet-font has its Chinese: lupdate reads the sources into a copy of the
# translations, which must then hold no unfinished or vanished message and no text that lupdate
# had to add.
# Usage: tst_translations.sh LUPDATE TS_FILE SOURCE...
set -euo pipefail
lupdate=$1
ts=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/copy.ts"
"$lupdate" -silent -locations none -no-obsolete "$@" -ts "$work/copy.ts"
if grep -n -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/copy.ts"; then
    echo "FAIL: texts without their Chinese; see the CMake file of font/ for how to add them" >&2
    exit 1
fi
cmp -s "$ts" "$work/copy.ts" || {
    diff "$ts" "$work/copy.ts" >&2 || true
    echo "FAIL: $(basename "$ts") is not as lupdate writes it" >&2
    exit 1
}
echo "$(grep -c '<message' "$ts") texts, each with its Chinese"
