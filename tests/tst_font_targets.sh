#!/usr/bin/env bash
# Each --target of glimmet-font through its own toolchain, the bytes read back from what the tools
# made: sdcc's tables in code memory (the map) without a byte more of internal RAM, sdas8051's
# assembly linked and read out of the .ihx, avr-gcc's and avr-as's tables in flash read with
# pgm_read_byte by a program run in simavr, with .data no larger; an active-low panel's rows; the
# --header pair linked by gcc and sdcc; the text of --unique in the C compiler's byte order, the
# records of --index gb2312 and unicode, and the slots of --slots.
# Usage: tst_font_targets.sh GLIMMET_FONT
# shellcheck source=tests/fontwork.sh
source "$(dirname "$0")/fontwork.sh"

text='欢迎光临 A7'

# 8051, C: the table in code memory, read back, and internal RAM the same for one glyph or many.
cat >read51.c <<'PROGRAM'
#include "table.h"
volatile unsigned char out;
void main(void) {
    unsigned int g, b;
    for (g = 0; g < sizeof table / sizeof table[0]; ++g)
        for (b = 0; b < sizeof table[0]; ++b) out = table[g][b];
}
PROGRAM
for size in 16 12 8x16; do
    for input in A "$text"; do
        "$font" --size $size --format bin -o table.bin -- "$input" 2>/dev/null
        "$font" --size $size --target sdcc --name table -o table.h -- "$input" 2>/dev/null
        run "sdcc-$size" sdcc -mmcs51 read51.c
        read -r address length attributes < <(area CONST read51.map)
        [ "$((16#$length))" = "$(stat -c %s table.bin)" ] || fail "sdcc $size: CONST is not the table"
        [[ $attributes == *CODE* ]] || fail "sdcc $size: CONST is not in code memory"
        bytes read51.ihx "$((16#$address))" "$((16#$length))" | cmp -s - table.bin ||
            fail "sdcc $size: the bytes in code memory"
        grep '^Stack starts at' read51.mem >"ram-$(stat -c %s table.bin).txt"
    done
done
[ "$(sort -u ram-*.txt | wc -l)" = 1 ] || fail "sdcc: internal RAM grows with the table"

# 8051, assembly: sdas8051 assembles the table, and C links with it by the declaration its
# comment gives.
for layout in "--scan rows" "--scan columns --lsb-first" "--scan pages --negative"; do
    # shellcheck disable=SC2086
    "$font" $layout --format bin -o table.bin "$text" 2>/dev/null
    "$font" $layout --target sdcc --format asm --name table -o table.asm "$text" 2>/dev/null
    sed -n 's/^; C declares it as: //p' table.asm >table.h
    run "sdas8051 $layout" sdas8051 -plosgff table.asm
    run "sdcc with the assembly, $layout" sdcc -mmcs51 read51.c table.rel
    address=$(awk '$3 == "_table" { print $2 }' read51.map)
    bytes read51.ihx "$((16#$address))" "$(stat -c %s table.bin)" | cmp -s - table.bin ||
        fail "sdas8051, $layout: the bytes"
done

# AVR: the program prints each byte it reads with pgm_read_byte on the simulated UART.
cat >readavr.c <<'PROGRAM'
#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/pgmspace.h>
#include <avr/sleep.h>
#include "table.h"
static void put(char c) {
    while (!(UCSR0A & (1 << UDRE0))) {
    }
    UDR0 = c;
}
static const char digits[] PROGMEM = "0123456789abcdef";
int main(void) {
    unsigned int g, b;
    UCSR0B = 1 << TXEN0;
    for (g = 0; g < sizeof table / sizeof table[0]; ++g)
        for (b = 0; b < sizeof table[0]; ++b) {
            unsigned char byte = pgm_read_byte(&table[g][b]);
            put(pgm_read_byte(&digits[byte >> 4]));
            put(pgm_read_byte(&digits[byte & 15]));
            put('\n');
        }
    cli();
    sleep_mode();
    return 0;
}
PROGRAM
avr() {
    run "avr-gcc $1" avr-gcc -mmcu=atmega328p -Os -std=gnu99 -Wall -Wextra -Werror \
        -Wl,-Map,readavr.map -o readavr.elf readavr.c "${@:2}"
    [ "$(simulated readavr.elf)" = "$(xxd -p -c1 table.bin)" ] || fail "simavr: the bytes, $1"
}
for size in 16 8x8 24x16; do
    for input in A "$text"; do
        "$font" --size $size --format bin -o table.bin -- "$input" 2>/dev/null
        "$font" --size $size --target avr --name table -o table.h -- "$input" 2>/dev/null
        avr "C at $size"
        avr-objdump -t readavr.elf | grep '\.text.* table$' >/dev/null || fail "avr $size: table is not in flash"
        avr-size -A readavr.elf | awk '$1 == ".data" { print $2 }' >"data-$(stat -c %s table.bin).txt"
    done
done
[ "$(sort -u data-*.txt | wc -l)" = 1 ] || fail "avr: .data grows with the table"
for layout in "--scan rows" "--scan pages --lsb-first"; do
    # shellcheck disable=SC2086
    "$font" $layout --format bin -o table.bin "$text" 2>/dev/null
    "$font" $layout --target avr --format asm --name table -o table.s "$text" 2>/dev/null
    { echo '#include <avr/pgmspace.h>'; sed -n 's/^; C declares it as: //p' table.s; } >table.h
    avr "assembly, $layout" table.s
done

# An active-low HUB12 panel shifts a row of a 12 x 12 glyph out as two whole bytes, a 0 bit
# lighting its LED: the program does so from flash in simavr, and the four LEDs past the glyph
# stay dark. sdcc's table in code memory and as31's assembly hold the same bytes.
cat >readpanel.c <<'PROGRAM'
#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/pgmspace.h>
#include <avr/sleep.h>
#include "table.h"
static void put(char c) {
    while (!(UCSR0A & (1 << UDRE0))) {
    }
    UDR0 = c;
}
int main(void) {
    unsigned int g, r, k, bits;
    UCSR0B = 1 << TXEN0;
    for (g = 0; g < sizeof table / sizeof table[0]; ++g)
        for (r = 0; r < sizeof table[0] / 2; ++r) {
            bits = pgm_read_byte(&table[g][2 * r]) << 8 | pgm_read_byte(&table[g][2 * r + 1]);
            for (k = 0; k < 16; ++k, bits <<= 1) put(bits & 0x8000 ? '.' : '#');
            put('\n');
        }
    cli();
    sleep_mode();
    return 0;
}
PROGRAM
"$font" --board hub12 --size 12 --target avr --name table -o table.h "$text" 2>/dev/null
run "avr-gcc, a HUB12 panel" avr-gcc -mmcu=atmega328p -Os -std=gnu99 -Wall -Wextra -Werror \
    -o readpanel.elf readpanel.c
"$font" --size 12 --format text "$text" 2>/dev/null | grep '^[#.]*$' | grep . | sed 's/$/..../' >panel.txt
[ "$(timeout 60 simavr -m atmega328p -f 16000000 readpanel.elf 2>&1 >/dev/null |
    sed 's/\x1b\[[0-9;]*m//g' | sed -n 's/^\([#.]\{16\}\)\.$/\1/p')" = "$(cat panel.txt)" ] ||
    fail "simavr: a HUB12 panel lights LEDs past the glyph"
"$font" --board hub12 --size 12 --format bin -o table.bin "$text" 2>/dev/null
"$font" --board hub12 --size 12 --target sdcc --name table -o table.h "$text" 2>/dev/null
run "sdcc, HUB12" sdcc -mmcs51 read51.c
read -r address length attributes < <(area CONST read51.map)
bytes read51.ihx "$((16#$address))" "$((16#$length))" | cmp -s - table.bin ||
    fail "sdcc, HUB12: the bytes in code memory"
"$font" --board hub12 --size 12 --target as31 --format asm -o listing.asm "$text" 2>/dev/null
run "as31, HUB12" as31 -Fbin listing.asm
cmp -s listing.bin table.bin || fail "as31, HUB12: the bytes"
# Every row's second byte ends in four 1 bits.
[ "$(xxd -p -c2 table.bin | grep -vc 'f$')" = 0 ] || fail "HUB12: a row's padding is not 1"

# as31 takes its own target's assembly.
"$font" --scan columns --format bin -o table.bin "$text" 2>/dev/null
"$font" --scan columns --target as31 --format asm -o listing.asm "$text" 2>/dev/null
run as31 as31 -Fbin listing.asm
cmp -s listing.bin table.bin || fail "as31: the bytes"

# Several source files: two include the header, one defines the table. An include guard lets
# a file include a table twice.
"$font" --size 12 --format bin -o table.bin "$text" 2>/dev/null
cat >one.c <<'PROGRAM'
#include "table.h"
#include "table.h"
unsigned long glyphs(void) { return sizeof table / sizeof table[0]; }
PROGRAM
cat >two.c <<'PROGRAM'
#include <stdio.h>
#include "table.h"
unsigned long glyphs(void);
int main(void) {
    fwrite(table, sizeof table[0], glyphs(), stdout);
    return 0;
}
PROGRAM
"$font" --size 12 --name table --header table.h -o table.c "$text" 2>/dev/null
run "gcc, --header" gcc -std=c89 -Wall -Wextra -pedantic -Werror -o pair one.c two.c table.c
./pair | cmp -s - table.bin || fail "gcc, --header: the bytes"
"$font" --size 12 --name table -o table.h "$text" 2>/dev/null
run "gcc, a table included twice" gcc -std=c89 -Wall -Wextra -pedantic -Werror -c one.c
"$font" --size 12 --target sdcc --name table --header table.h -o table.c "$text" 2>/dev/null
cat >main51.c <<'PROGRAM'
#include "table.h"
volatile unsigned char out;
void main(void) { out = table[0][0]; }
PROGRAM
for file in main51 one table; do run "sdcc $file" sdcc -mmcs51 -c $file.c; done
run "sdcc, --header" sdcc -mmcs51 main51.rel one.rel table.rel
address=$(awk '$3 == "_table" { print $2 }' main51.map)
bytes main51.ihx "$((16#$address))" "$(stat -c %s table.bin)" | cmp -s - table.bin ||
    fail "sdcc, --header: the bytes"

# --unique: the table's glyphs through the text's indexes are the whole text's. Past 256
# distinct characters an index takes two bytes.
cat >message.c <<'PROGRAM'
#include <stdio.h>
#include "table.h"
int main(void) {
    unsigned long k;
    for (k = 0; k < TABLE_TEXT_LENGTH; ++k) fwrite(table[table_text[k]], 1, sizeof table[0], stdout);
    return 0;
}
PROGRAM
printf '%s' "$text$text 光" >short.txt
iconv -f GB2312 -t UTF-8 <(for hi in $(seq 176 178); do for lo in $(seq 161 254); do
    printf "\\x$(printf %x "$hi")\\x$(printf %x "$lo")"; done; done) >long.txt
cat long.txt short.txt long.txt >many.txt
for input in short many; do
    "$font" --size 8 --format bin -o table.bin -i $input.txt 2>/dev/null
    "$font" --size 8 --unique --name table -o table.h -i $input.txt 2>/dev/null
    run "gcc, --unique $input" gcc -std=c89 -Wall -Wextra -pedantic -Werror -o message message.c
    ./message | cmp -s - table.bin || fail "--unique, $input: the text through its indexes"
done
grep -q 'static const unsigned short table_text\[TABLE_TEXT_LENGTH\]' table.h ||
    fail "--unique: 282 glyphs need unsigned short indexes"
"$font" --unique --format bin -o unique.bin -- "$text$text" 2>/dev/null
"$font" --unique --target as31 --format asm -o listing.asm -- "$text$text" 2>/dev/null
run "as31, --unique" as31 -Fbin listing.asm
{ cat unique.bin; printf '\x00\x01\x02\x03\x04\x05\x06\x00\x01\x02\x03\x04\x05\x06'; } |
    cmp -s - listing.bin || fail "as31, --unique: the glyphs, then the text"

# Past 256 glyphs the assembly's indexes are two bytes, in the order of the target's C: sdcc's
# own C table of the same text lies in code memory byte for byte as sdas8051's, and avr-gcc's C
# reads avr-as's indexes with pgm_read_word in simavr as the numbers they are.
"$font" --size 8 --unique --target sdcc --name expected --header expected.h -o expected.c \
    -i many.txt 2>/dev/null
"$font" --size 8 --unique --target sdcc --format asm --name table -o table.asm -i many.txt 2>/dev/null
sed -n 's/^; C declares [a-z ]* as: //p' table.asm >table.h
cat >text51.c <<'PROGRAM'
#include "table.h"
#include "expected.h"
volatile unsigned short out;
void main(void) {
    unsigned int k;
    for (k = 0; k < EXPECTED_TEXT_LENGTH; ++k) out = table_text[k] ^ expected_text[k];
}
PROGRAM
run "sdas8051, two-byte indexes" sdas8051 -plosgff table.asm
for file in text51 expected; do run "sdcc $file" sdcc -mmcs51 -c $file.c; done
run "sdcc with two-byte indexes" sdcc -mmcs51 text51.rel expected.rel table.rel
symbol() { awk -v name="$1" '$3 == name { print $2 }' text51.map; }
length=$((2 * $(sed -n 's/^#define EXPECTED_TEXT_LENGTH //p' expected.h)))
cmp -s <(bytes text51.ihx "$((16#$(symbol _table_text)))" $length) \
    <(bytes text51.ihx "$((16#$(symbol _expected_text)))" $length) ||
    fail "sdas8051: the indexes are not in sdcc's byte order"
cat >readtext.c <<'PROGRAM'
#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/pgmspace.h>
#include <avr/sleep.h>
#include <stdio.h>
#include "table.h"
static int put(char c, FILE* stream) {
    (void)stream;
    while (!(UCSR0A & (1 << UDRE0))) {
    }
    UDR0 = c;
    return 0;
}
static FILE uart = FDEV_SETUP_STREAM(put, NULL, _FDEV_SETUP_WRITE);
int main(void) {
    unsigned int k;
    UCSR0B = 1 << TXEN0;
    for (k = 0; k < sizeof table_text / sizeof table_text[0]; ++k)
        fprintf(&uart, "%u\n", pgm_read_word(&table_text[k]));
    cli();
    sleep_mode();
    return 0;
}
PROGRAM
"$font" --size 8 --unique --target avr --format asm --name table -o table.s -i many.txt 2>/dev/null
{ echo '#include <avr/pgmspace.h>'; sed -n 's/^; C declares [a-z ]* as: //p' table.s; } >table.h
run "avr-gcc, two-byte indexes" avr-gcc -mmcu=atmega328p -Os -std=gnu99 -Wall -Wextra -Werror \
    -o readtext.elf readtext.c table.s
# The text's numbers in the C table.
numbers() { sed -n '/ expected_text\[/,/^}/p' expected.c | sed '1d;$d' | tr -d ' ' | tr , '\n' | grep .; }
[ "$(timeout 60 simavr -m atmega328p -f 16000000 readtext.elf 2>&1 >/dev/null |
    sed 's/\x1b\[[0-9;]*m//g' | sed -n 's/^\([0-9]*\)\.$/\1/p')" = "$(numbers)" ] ||
    fail "avr-as: the indexes are not the text's"

# --index gb2312: each record is the character's GB2312 bytes, then its glyph.
for character in 欢 迎 光 临 ，; do
    printf '%s' "$character" | iconv -f UTF-8 -t GB2312
    "$font" --format bin -- "$character" 2>/dev/null
done >records.bin
cat >records.c <<'PROGRAM'
#include <stdio.h>
#include "table.h"
int main(void) {
    fwrite(table, 1, sizeof table, stdout);
    return sizeof table[0] != sizeof table[0].gb2312 + sizeof table[0].bitmap;
}
PROGRAM
"$font" --index gb2312 --unique --name table -o table.h '欢迎光临，欢迎' 2>/dev/null
run "gcc, --index" gcc -std=c89 -Wall -Wextra -pedantic -Werror -o records records.c
./records | cmp -s - records.bin || fail "--index gb2312: the records"
"$font" --index gb2312 --target as31 --format asm -o listing.asm '欢迎光临，' 2>/dev/null
run "as31, --index" as31 -Fbin listing.asm
cmp -s listing.bin records.bin || fail "as31, --index gb2312: the records"

# --index unicode: each record is the code point, then the glyph; gcc reads it as a number.
for character in 欢 A 😀; do
    LC_ALL=C.UTF-8 env printf '%x\n' "'$character"
    "$font" --format bin -- "$character" 2>/dev/null
done >records.txt
cat >unicode.c <<'PROGRAM'
#include <stdio.h>
#include "table.h"
int main(void) {
    unsigned k;
    for (k = 0; k < sizeof table / sizeof table[0]; ++k) {
        printf("%lx\n", (unsigned long)table[k].unicode);
        fwrite(table[k].bitmap, 1, sizeof table[k].bitmap, stdout);
    }
    return 0;
}
PROGRAM
"$font" --index unicode --name table -o table.h '欢A😀' 2>/dev/null
run "gcc, --index unicode" gcc -std=c89 -Wall -Wextra -pedantic -Werror -o unicode unicode.c
./unicode | cmp -s - records.txt || fail "--index unicode: the records"

# sdcc's C lays the records out as sdas8051's assembly does: a code point the low byte first.
cat >records51.c <<'PROGRAM'
extern const __code unsigned char table[];
volatile unsigned char out;
void main(void) { out = table[0]; }
PROGRAM
"$font" --index unicode --target sdcc --name table --header table.h -o table.c '欢A😀' 2>/dev/null
run "sdcc, --index unicode" sdcc -mmcs51 -c table.c
run "sdcc, records in C" sdcc -mmcs51 records51.c table.rel
address=$(awk '$3 == "_table" { print $2 }' records51.map)
bytes records51.ihx "$((16#$address))" $((3 * 36)) >c.bin
"$font" --index unicode --target sdcc --format asm --name table -o table.asm '欢A😀' 2>/dev/null
run "sdas8051, --index unicode" sdas8051 -plosgff table.asm
run "sdcc, records in assembly" sdcc -mmcs51 records51.c table.rel
address=$(awk '$3 == "_table" { print $2 }' records51.map)
bytes records51.ihx "$((16#$address))" $((3 * 36)) | cmp -s - c.bin ||
    fail "--index unicode: sdcc's C and sdas8051's records"

# --slots gb2312: the C table and the assembly hold the bytes of the HZK file at that size.
"$font" --charset gb2312 --size 8 --format bin -o slots.bin 2>/dev/null
"$font" --charset gb2312 --size 8 --slots gb2312 --name table -o table.h 2>/dev/null
cat >slots.c <<'PROGRAM'
#include <stdio.h>
#include "table.h"
int main(void) {
    fwrite(table, 1, sizeof table, stdout);
    return 0;
}
PROGRAM
run "gcc, --slots" gcc -std=c89 -Wall -Wextra -pedantic -Werror -o slots slots.c
./slots | cmp -s - slots.bin || fail "--slots: the C table"
"$font" --charset gb2312 --size 8 --slots gb2312 --target as31 --format asm -o listing.asm \
    2>/dev/null
run "as31, --slots" as31 -Fbin listing.asm
cmp -s listing.bin slots.bin || fail "as31, --slots: the bytes"
# --slots hzk24: the C table holds HZK24S's bytes.
"$font" --charset gb2312-hanzi --slots hzk24 --format bin -o slots.bin 2>/dev/null
"$font" --charset gb2312-hanzi --slots hzk24 --name table -o table.h 2>/dev/null
run "gcc, --slots hzk24" gcc -std=c89 -Wall -Wextra -pedantic -Werror -o slots slots.c
./slots | cmp -s - slots.bin || fail "--slots hzk24: the C table"

echo "sdcc, sdas8051, avr-gcc in simavr, avr-as, as31 and gcc read back every target's bytes"
