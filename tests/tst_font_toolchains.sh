#!/usr/bin/env bash
# What the toolchains themselves refuse, and glimmet-font with them: a header of another run
# beside a table (gcc), the names each reserves (sdcc, as31, avr-gcc), the largest table each
# holds (sdcc's link, avr-gcc), and the reading line of each table's comment compiled (avr-gcc).
# Usage: tst_font_toolchains.sh GLIMMET_FONT
# shellcheck source=tests/fontwork.sh
source "$(dirname "$0")/fontwork.sh"

# A table includes its header: a header of an earlier run, of other characters, does not compile
# with it; the pair of one run does.
"$font" --name table --header table.h -o table.c 'AB' 2>/dev/null
gcc -std=c89 -Wall -Wextra -pedantic -Werror -c table.c || fail "gcc: the pair of one run"
"$font" --name table --header new.h -o table.c 'ABC' 2>/dev/null
sed -i 's/#include "new.h"/#include "table.h"/' table.c
if gcc -std=c89 -c table.c 2>stale.log; then fail "gcc: a stale header compiles"; fi
grep -q "conflicting types for .table." stale.log || fail "gcc: $(cat stale.log)"
