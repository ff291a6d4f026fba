#!/usr/bin/env bash
# glimmet-font --format cfont through the real toolchains: gcc as strict C89 looks up every
# character of the message with the font's own NAME_next and prints each glyph's width and bytes,
# which are the strip's of that character alone, in Unicode and in GB2312, in three layouts, and
# with a message past C90's longest string; the --header pair links; sdcc keeps the tables and the
# message in code memory without a byte more of internal RAM; avr-gcc keeps them in flash, .data
# no larger for a large font, and simavr runs the lookup. Keil's C is C once its "code" goes.
# Usage: tst_font_cfont.sh GLIMMET_FONT
# shellcheck source=tests/fontwork.sh
source "$(dirname "$0")/fontwork.sh"
export LC_ALL=C.UTF-8

mixed='温度 23℃ Hello，欢迎!'
iconv -f GB2312 -t UTF-8 <(for lo in $(seq 161 254); do for hi in 176 190 200; do
    printf "\\x$(printf %x "$hi")\\x$(printf %x "$lo")"; done; done) >many.txt
many="A$(cat many.txt)"

# expected FILE OPTIONS... -- TEXT: each character's width (a byte) and its bytes as the strip of
# that character alone has them, in the text's order.
expected() {
    local file=$1 text=${*: -1} k width
    : >"$file"
    for ((k = 0; k < ${#text}; ++k)); do
        width=$("$font" "${@:2:$#-3}" --strip --name strip -- "${text:k:1}" 2>/dev/null |
            sed -n 's/^#define STRIP_WIDTH //p')
        printf "\\x$(printf %02x "$width")" >>"$file"
        "$font" "${@:2:$#-3}" --strip --format bin -- "${text:k:1}" 2>/dev/null >>"$file"
    done
}

# The program looks every character of the message up and prints its glyph; a character it does
# not find fails it, and so does a code the font does not have that it finds.
cat >look.c <<'PROGRAM'
#include <stdio.h>
#include "font.h"
int main(void) {
    const unsigned char *p = font_text;
    unsigned long k, shown = 0;
    while (*p) {
        unsigned int g = font_next(&p);
        if (g == FONT_NONE) return 1;
#ifndef BYTES_ONLY
        putchar(font_widths[g]);
#endif
        for (k = font_offsets[g]; k < font_offsets[g + 1]; ++k) putchar(font_bitmaps[k]);
        ++shown;
    }
    p = (const unsigned char *)"\x7F";
    return font_find(0x4E00) != FONT_NONE || font_next(&p) != FONT_NONE || p[0] != 0 ||
           shown == 0;
}
PROGRAM
c89() { run "gcc $1" gcc -std=c89 -pedantic -Wall -Wextra -Werror -o "${@:2}"; }

for size in 16 12; do
    for layout in "--scan rows" "--scan columns --lsb-first" "--scan pages --negative"; do
        # shellcheck disable=SC2086
        expected glyphs.bin $layout --size $size -- "$mixed"
        for set in unicode gb2312; do
            # shellcheck disable=SC2086
            "$font" --format cfont --index $set --message $layout --size $size -o font.h \
                -- "$mixed" 2>/dev/null
            c89 "$set $layout at $size" look look.c
            ./look | cmp -s - glyphs.bin || fail "--index $set $layout at $size: the glyphs"
        done
    done
done
grep -q 'static const unsigned short font_codes\[14\]' font.h || fail "GB2312's codes are short"

# 283 characters of GB2312 make 565 bytes: a list, not a string, in C89. Down columns, the glyphs
# of the whole message side by side are its strip.
"$font" --scan columns --strip --format bin -o glyphs.bin -- "$many" 2>/dev/null
"$font" --format cfont --index gb2312 --message --scan columns -o font.h -- "$many" 2>/dev/null
grep -q '^static const unsigned char font_text\[FONT_TEXT_LENGTH + 1\] = {$' font.h ||
    fail "a long message is a list of bytes"
c89 "a long message" look -DBYTES_ONLY look.c
./look | cmp -s - glyphs.bin || fail "a long message: the glyphs"

# A code point past U+FFFF takes an unsigned long; one of those is no glyph of a font of shorts.
"$font" --format cfont --message --size 16 -o font.h -- 'A😀' 2>/dev/null
grep -q 'unsigned int font_find(unsigned long value)' font.h || fail "U+1F600 is a long code"
c89 "past U+FFFF" look look.c
./look >/dev/null || fail "U+1F600 is found"
cat >beyond.c <<'PROGRAM'
#include "font.h"
int main(void) {
    const unsigned char *p = (const unsigned char *)"\xF0\x9F\x98\x80";
    return font_next(&p) != FONT_NONE || *p != 0;
}
PROGRAM
"$font" --format cfont --size 16 -o font.h -- 'A' 2>/dev/null
c89 "a four-byte character" beyond beyond.c
./beyond || fail "a font of shorts finds U+1F600"

# --header: two source files include the header, one defines the font.
cat >two.c <<'PROGRAM'
#include "font.h"
unsigned int width(unsigned int g) { return font_widths[g]; }
PROGRAM
cat >one.c <<'PROGRAM'
#include "font.h"
#include "font.h"
unsigned int width(unsigned int g);
int main(void) {
    const unsigned char *p = font_text;
    unsigned int total = 0;
    while (*p) total += width(font_next(&p));
    return total != 16 + 8 + 16;
}
PROGRAM
"$font" --format cfont --index gb2312 --message --header font.h -o font.c '欢A迎' 2>/dev/null
c89 "--header" pair one.c two.c font.c
./pair || fail "--header: the widths through the header"
"$font" --format cfont --target keil --index gb2312 --message --header font.h -o font.c '欢A迎' \
    2>/dev/null
c89 "keil's C" pair -Dcode= one.c two.c font.c

# 8051: the tables and the message in code memory, the message there as iconv encodes it, and
# internal RAM the same for a font of one glyph or of hundreds.
cat >look51.c <<'PROGRAM'
#include "font.h"
volatile unsigned int out;
void main(void) {
    const unsigned char *p = font_text;
    while (*p) out = font_widths[font_next(&p)];
}
PROGRAM
for input in A "$mixed" "$many"; do
    "$font" --format cfont --target sdcc --index gb2312 --message --header font.h -o font.c \
        -- "$input" 2>/dev/null
    for file in look51 font; do run "sdcc $file ${#input}" sdcc -mmcs51 --std-c89 -c $file.c; done
    run "sdcc ${#input}" sdcc -mmcs51 look51.rel font.rel
    read -r address length attributes < <(area CONST look51.map)
    [[ $attributes == *CODE* ]] || fail "sdcc: CONST is not in code memory"
    for table in codes widths offsets bitmaps text; do
        at=$(awk -v s="_font_$table" '$3 == s { print $2 }' look51.map)
        ((16#$at >= 16#$address && 16#$at < 16#$address + 16#$length)) ||
            fail "sdcc: font_$table is not in CONST"
    done
    at=$(awk '$3 == "_font_text" { print $2 }' look51.map)
    printf '%s\0' "$input" | iconv -f UTF-8 -t GB2312 >text.bin
    bytes look51.ihx "$((16#$at))" "$(stat -c %s text.bin)" | cmp -s - text.bin ||
        fail "sdcc: the message in GB2312"
    grep '^Stack starts at' look51.mem >"ram-${#input}.txt"
done
[ "$(sort -u ram-*.txt | wc -l)" = 1 ] || fail "sdcc: internal RAM grows with the font"

# AVR: the program looks up each character of the message in flash and prints its glyph's bytes
# on the simulated UART: down columns, the message's strip.
cat >lookavr.c <<'PROGRAM'
#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/pgmspace.h>
#include <avr/sleep.h>
#include "font.h"
static void put(char c) {
    while (!(UCSR0A & (1 << UDRE0))) {
    }
    UDR0 = c;
}
static const char digits[] PROGMEM = "0123456789abcdef";
static void hex(unsigned char byte) {
    put(pgm_read_byte(&digits[byte >> 4]));
    put(pgm_read_byte(&digits[byte & 15]));
    put('\n');
}
int main(void) {
    const unsigned char *p = font_text;
    UCSR0B = 1 << TXEN0;
    while (pgm_read_byte(p)) {
        unsigned int g = font_next(&p), k;
        if (g == FONT_NONE) break;
        for (k = pgm_read_word(&font_offsets[g]); k < pgm_read_word(&font_offsets[g + 1]); ++k)
            hex(pgm_read_byte(&font_bitmaps[k]));
    }
    cli();
    sleep_mode();
    return 0;
}
PROGRAM
for set in unicode gb2312; do
    for input in "$mixed" "${many:0:100}"; do
        "$font" --scan columns --size 12 --strip --format bin -o glyphs.bin -- "$input" 2>/dev/null
        "$font" --format cfont --target avr --index $set --message --scan columns --size 12 \
            -o font.h -- "$input" 2>/dev/null
        run "avr-gcc $set" avr-gcc -mmcu=atmega328p -Os -std=gnu99 -Wall -Wextra -Werror \
            -o lookavr.elf lookavr.c
        [ "$(simulated lookavr.elf)" = "$(xxd -p -c1 glyphs.bin)" ] ||
            fail "simavr, --index $set: the glyphs of ${#input} characters"
        avr-objdump -t lookavr.elf | grep '\.text.* font_bitmaps$' >/dev/null ||
            fail "avr: font_bitmaps is not in flash"
        avr-size -A lookavr.elf | awk '$1 == ".data" { print $2 }' >"data-${#input}.txt"
    done
done
[ "$(sort -u data-*.txt | wc -l)" = 1 ] || fail "avr: .data grows with the font"

echo "gcc, sdcc and avr-gcc in simavr find every character of the message in the C font"
