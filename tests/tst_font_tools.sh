#!/usr/bin/env bash
# The tables of glimmet-font in every layout go through the real tools: the C table compiles with
# gcc as strict C89 and with sdcc for the 8051, and a program built from it prints the bytes of
# the binary table; the assembly table assembles with as31 to the same bytes. So do the strips.
# Usage: tst_font_tools.sh GLIMMET_FONT
# shellcheck source=tests/fontwork.sh
source "$(dirname "$0")/fontwork.sh"

text='欢迎 A7😀'
# check LAYOUT...: the table of the text in that layout through gcc, sdcc and as31.
check() {
    # shellcheck disable=SC2068
    "$font" $@ --format bin -o table.bin "$text" 2>/dev/null
    "$font" $@ --name table -o table.h "$text" 2>/dev/null
    "$font" $@ --format asm --db .db -o listing.asm "$text" 2>/dev/null

    cat >print.c <<'PROGRAM'
#include <stdio.h>
#include "table.h"
int main(void) {
    fwrite(table, 1, sizeof table, stdout);
    return 0;
}
PROGRAM
    gcc -std=c89 -Wall -Wextra -pedantic -Werror -o print print.c || fail "gcc, $*"
    ./print | cmp -s - table.bin || fail "the C table's bytes, $*"

    cat >use.c <<'PROGRAM'
#include "table.h"
unsigned char first(unsigned char glyph) { return table[glyph][0]; }
PROGRAM
    sdcc -mmcs51 -c use.c >sdcc.log 2>&1 || { cat sdcc.log; fail "sdcc, $*"; }

    as31 -Fbin listing.asm >as31.log 2>&1 || { cat as31.log; fail "as31, $*"; }
    cmp -s listing.bin table.bin || fail "the assembled bytes, $*"
}

for layout in "--scan rows" "--scan columns" "--scan pages" "--scan rows --lsb-first" \
    "--scan pages --lsb-first" "--scan columns --negative"; do
    check $layout
done
# Glyphs whose rows or columns end inside a byte, and glyphs of three bytes a row.
for size in 12 24 8x16 5x7; do
    for layout in "--scan rows --negative" "--scan columns" "--scan pages --lsb-first"; do
        check --size $size $layout
    done
done

# A message as one strip: one array, as many bytes as its width and height in the layout take.
columns='STRIP_WIDTH * ((STRIP_HEIGHT + 7) / 8)'
rows='STRIP_HEIGHT * ((STRIP_WIDTH + 7) / 8)'
# shellcheck disable=SC2086
for layout in "--scan columns:$columns" "--scan rows:$rows" "--scan pages --lsb-first:$columns"; do
    bytes=${layout#*:}
    layout=${layout%%:*}
    "$font" --strip $layout --format bin -o strip.bin "$text" 2>/dev/null
    "$font" --strip $layout -o strip.h "$text" 2>/dev/null
    "$font" --strip $layout --format asm --db .db -o assembled.asm "$text" 2>/dev/null

    cat >print.c <<'PROGRAM'
#include <stdio.h>
#include "strip.h"
typedef char fits[sizeof strip == BYTES ? 1 : -1];
int main(void) {
    fwrite(strip, 1, sizeof strip, stdout);
    return 0;
}
PROGRAM
    gcc -std=c89 -Wall -Wextra -pedantic -Werror "-DBYTES=($bytes)" -o print print.c ||
        fail "gcc, strip, $layout"
    ./print | cmp -s - strip.bin || fail "the C strip's bytes, $layout"
    as31 -Fbin assembled.asm >as31.log 2>&1 || { cat as31.log; fail "as31, strip, $layout"; }
    cmp -s assembled.bin strip.bin || fail "the assembled strip, $layout"
done
echo "every layout compiles with gcc and sdcc and assembles with as31, as a table and as a strip"
