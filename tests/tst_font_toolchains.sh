#!/usr/bin/env bash
# What the toolchains themselves refuse, and glimmet-font with them: a header of another run
# beside a table (gcc), the names each reserves (sdcc, as31, avr-gcc), the largest table each
# holds (sdcc's link, avr-gcc), and the reading line of each table's comment compiled (avr-gcc).
# Usage: tst_font_toolchains.sh GLIMMET_FONT
# shellcheck source=tests/fontwork.sh
source "$(dirname "$0")/fontwork.sh"

# A table or a C font includes its header: a header of an earlier run, of other characters, does
# not compile with it; the pair of one run does.
for format in c cfont; do
    "$font" --format $format --name table --header table.h -o table.c 'AB' 2>/dev/null
    gcc -std=c89 -Wall -Wextra -pedantic -Werror -c table.c || fail "gcc, $format: the pair of one run"
    "$font" --format $format --name table --header new.h -o table.c 'ABC' 2>/dev/null
    sed -i 's/#include "new.h"/#include "table.h"/' table.c
    if gcc -std=c89 -c table.c 2>stale.log; then fail "gcc, $format: a stale header compiles"; fi
    grep -q "conflicting types for .table" stale.log || fail "gcc, $format: $(cat stale.log)"
done

# refused NAME TARGET FORMAT TOOLCHAIN: glimmet-font refuses the name for the target, saying who
# reserves it.
refused() {
    local status=0
    LANG=C "$font" --name "$1" --target "$2" --format "$3" -o /dev/null A 2>refusal.txt || status=$?
    [ "$status" = 2 ] && grep -q "^glimmet-font: --name: '$1' is reserved by $4\$" refusal.txt ||
        fail "--name $1 --target $2: status $status, $(cat refusal.txt)"
}

# named FILE NAME: the table of FILE (named table) under another name, its guard kept.
named() {
    sed "s/\btable\b/$2/g" "$1"
}

# sdcc refuses the words SDCC reserves, and takes those C51 reserves.
"$font" --target sdcc --name table -o table51.h A 2>/dev/null
for word in __code __data __xdata __idata __pdata __bit __sfr __sbit __at __interrupt __using \
    __reentrant __critical __naked __banked; do
    refused "$word" sdcc c SDCC
    named table51.h "$word" >word.h
    printf '#include "word.h"\nvolatile unsigned char out;\nvoid main(void) { out = %s[0][0]; }\n' \
        "$word" >word.c
    if sdcc -mmcs51 word.c >/dev/null 2>&1; then fail "sdcc takes $word"; fi
done
"$font" --target sdcc --name data -o word.h A 2>/dev/null || fail "--name data --target sdcc"
printf '#include "word.h"\nvolatile unsigned char out;\nvoid main(void) { out = data[0][0]; }\n' \
    >word.c
sdcc -mmcs51 word.c >/dev/null 2>&1 || fail "sdcc: a table named data"
refused data keil c "Keil C51"
refused _at_ keil asm "Keil C51"

# as31 refuses its registers, instructions and directives as labels, in any case.
"$font" --target as31 --format asm --name table -o table.asm A 2>/dev/null
for word in acc a b dpl dph dptr psw sp r0 r7 c mov org db ACC Dptr; do
    refused "$word" as31 asm as31
    named table.asm "$word" >word.asm
    if as31 -Fbin word.asm >/dev/null 2>&1; then fail "as31 takes $word"; fi
done
named table.asm glyphs >word.asm
as31 -Fbin word.asm >/dev/null 2>&1 || fail "as31: a table named glyphs"

# avr-gcc refuses avr-libc's registers and macros; Arduino's C++ (avr-g++) its keywords.
"$font" --target avr --name table -o tableavr.h A 2>/dev/null
for word in SP SREG PROGMEM class new this; do
    refused "$word" avr c "avr-gcc and Arduino's C++"
    named tableavr.h "$word" >word.h
    printf '#include "word.h"\nvolatile unsigned char out;\nint main(void) { out = pgm_read_byte(&%s[0][0]); return 0; }\n' \
        "$word" >word.c
    if avr-gcc -mmcu=atmega328p -x c++ word.c -o word.elf >/dev/null 2>&1; then
        fail "avr-g++ takes $word"
    fi
done
# gcc refuses the keywords of C and its extensions.
"$font" --name table -o table.h A 2>/dev/null
for word in typeof asm _Atomic; do
    LANG=C "$font" --name "$word" -o /dev/null A 2>refusal.txt || true
    grep -q "^glimmet-font: --name: '$word' is a keyword of C$" refusal.txt || fail "--name $word"
    named table.h "$word" >word.h
    printf '#include "word.h"\nint main(void) { return %s[0][0]; }\n' "$word" >word.c
    if gcc -c word.c >/dev/null 2>&1; then fail "gcc takes $word"; fi
done

# letters N FILE: a text of N letters A, a glyph of 8 bytes each at --size 8.
letters() {
    head -c "$1" /dev/zero | tr '\0' A >"$2"
}

# sized TARGET GLYPHS: the table of so many glyphs of 8 bytes, its comment's total checked; the
# warning in warning.txt.
sized() {
    letters "$2" text.txt
    LANG=C "$font" --size 8 --target "$1" --name table -i text.txt -o table.h 2>warning.txt
    grep -q "^/\* Made by .*: $2 glyphs of 8 x 8 pixels, 8 bytes each, $(($2 * 8)) bytes in all\.$" \
        table.h || fail "$1: the total of $2 glyphs"
}

# past BOUND BYTES: the warning of a table past the bound.
past() {
    grep -q "^glimmet-font: warning: 'table' is $2 bytes, past $1, and will not build; write each character once (--unique), fewer characters, or the glyphs as a file for external flash (--format bin)$" \
        warning.txt || fail "no warning of $2 bytes: $(cat warning.txt)"
}

# sdcc: the 8051's 64 KB of code memory. A table just past it is warned of and does not link; one
# just under, beside the program that reads it, links without a word.
cat >limit51.c <<'PROGRAM'
#include "table.h"
volatile unsigned char out;
void main(void) {
    unsigned int g;
    for (g = 0; g < sizeof table / sizeof table[0]; ++g) out = table[g][1];
}
PROGRAM
sized sdcc 8193
past "the 8051's 64 KB of code memory (65,536 bytes)" 65,544
if sdcc -mmcs51 limit51.c >link.log 2>&1; then fail "sdcc links 65,544 bytes"; fi
grep -q "Insufficient ROM" link.log || fail "sdcc: $(cat link.log)"
sized sdcc 8160
[ ! -s warning.txt ] || fail "sdcc: a warning of 65,280 bytes: $(cat warning.txt)"
sdcc -mmcs51 limit51.c >link.log 2>&1 || fail "sdcc: 65,280 bytes: $(cat link.log)"

# avr-gcc: its largest object is 32,767 bytes, on an ATmega2560 with flash to spare.
cat >limitavr.c <<'PROGRAM'
#include "table.h"
volatile unsigned char out;
int main(void) {
    unsigned int g;
    for (g = 0; g < sizeof table / sizeof table[0]; ++g) out = pgm_read_byte(&table[g][1]);
    return 0;
}
PROGRAM
sized avr 4096
past "the largest object avr-gcc makes (32,767 bytes)" 32,768
if avr-gcc -mmcu=atmega2560 limitavr.c -o limit.elf >link.log 2>&1; then
    fail "avr-gcc builds 32,768 bytes"
fi
grep -q "size of array .table. is too large" link.log || fail "avr-gcc: $(cat link.log)"
sized avr 4095
[ ! -s warning.txt ] || fail "avr: a warning of 32,760 bytes: $(cat warning.txt)"
avr-gcc -mmcu=atmega2560 limitavr.c -o limit.elf >link.log 2>&1 ||
    fail "avr-gcc: 32,760 bytes: $(cat link.log)"

# A C font's bitmaps past the bound are warned of too: GB2312 at 16 pixels is 238 KB.
cat >fontavr.c <<'PROGRAM'
#include "font.c"
int main(void) { return pgm_read_byte(&font_bitmaps[font_offsets[font_find(0x554A)]]); }
PROGRAM
LANG=C "$font" --format cfont --target avr --charset gb2312 -o font.c 2>warning.txt
grep -q "^glimmet-font: warning: 'font_bitmaps' is [0-9,]* bytes, past the largest object avr-gcc makes (32,767 bytes), and will not build; write fewer characters, or the glyphs as a file for external flash (--format bin)$" \
    warning.txt || fail "cfont: no warning: $(cat warning.txt)"
if avr-gcc -mmcu=atmega2560 fontavr.c -o font.elf >link.log 2>&1; then
    fail "avr-gcc builds a font of GB2312"
fi
grep -q "size of array .font_bitmaps. is too large" link.log || fail "avr-gcc: $(cat link.log)"
LANG=C "$font" --format cfont --target avr -o font.c 啊欢迎 2>warning.txt
[ ! -s warning.txt ] || fail "cfont: a warning of 96 bytes: $(cat warning.txt)"
avr-gcc -mmcu=atmega2560 fontavr.c -o font.elf >link.log 2>&1 || fail "avr-gcc: $(cat link.log)"

# Each C table's comment says how to read a byte of it in flash: that line compiles and reads
# the table's first byte, for glyphs, records and a strip.
for kind in "A" "--index gb2312 中" "--strip AB"; do
    # shellcheck disable=SC2086
    "$font" --target avr --name table -o table.h $kind 2>/dev/null
    reading=$(sed -n 's/.*read its bytes with \(pgm_read_byte(.*)\)\. \*\/$/\1/p' table.h)
    [ -n "$reading" ] || fail "avr, $kind: no reading line"
    cat >reading.c <<PROGRAM
#include "table.h"
volatile unsigned char out;
int main(void) {
    unsigned int glyph = 0, record = 0, byte = 0;
    (void)glyph;
    (void)record;
    out = $reading;
    return byte;
}
PROGRAM
    avr-gcc -mmcu=atmega328p -Os -std=gnu99 -Wall -Wextra -Werror reading.c -o reading.elf \
        >reading.log 2>&1 || fail "avr-gcc, the reading of $kind: $(cat reading.log)"
done

echo "gcc, sdcc, as31 and avr-gcc refuse what glimmet-font refuses and build what it writes"
