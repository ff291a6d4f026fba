#!/usr/bin/env bash
# Times glimmet-font against its peers, alternating in the same run of this script:
# - 16 x 16 from Unifont, the 20,902 CJK ideographs U+4E00..U+9FA5, against otf2bdf (a C program
#   on FreeType that renders every glyph at one size), all writing 1-bit bitmaps;
# - the same glyphs as fonts for firmware, glimmet-font's --format u8g2 and lvgl against its own
#   --format bin and against lv_font_conv 1.5.3 writing an LVGL font of 1-bit plain bitmaps;
# - 24 x 24 from the default 24-pixel face (AR PL SungtiL GB), the 6,763 GB2312 hanzi, against
#   otf2bdf on the same face and code points;
# and checks that glimmet-font's cost is linear in the glyphs.
#
# Usage: bench/font.sh [GLIMMET_FONT]      (default build/glimmet-font, built when missing)
#        BENCH_RUNS=7 bench/font.sh ...    (rounds, the first dropped as warm-up; default 5)
#        BENCH_LV=0 bench/font.sh ...      (leave lv_font_conv out: it takes a minute a run)
set -euo pipefail

# A path given on the command line is relative to the caller's folder, so pin it before
# common.sh moves us to the repo root.
arg=${1:-}
[ -n "$arg" ] && arg=$(realpath -m -- "$arg")
source "$(dirname "$0")/../scripts/common.sh"
glimmet_font=${arg:-build/glimmet-font}
runs=${BENCH_RUNS:-5}
[ "$runs" -ge 2 ] || { echo "BENCH_RUNS must be at least 2 (the first round is dropped)" >&2; exit 2; }
# $EPOCHREALTIME prints the locale's decimal point; awk and printf below want a dot.
export LC_ALL=C

lv_on=${BENCH_LV:-1}
# Node may come from outside Debian (nodesource ships npm inside its nodejs), so only fall
# back to the Debian packages when there is no npm at all.
[ "$lv_on" = 1 ] && ! command -v npm >/dev/null && ensure_packages nodejs npm
# GNU time for the peak RSS; the shell's time keyword cannot give it.
ensure_packages time fonts-unifont fonts-arphic-gbsn00lp otf2bdf

if [ -z "$arg" ] && [ ! -x "$glimmet_font" ]; then
    ensure_packages "${PACKAGES[@]}"
    build build
fi
[ -x "$glimmet_font" ] || { echo "no executable glimmet-font at $glimmet_font" >&2; exit 1; }

# lv_font_conv lives under build/, never in the tree: no package.json or node_modules in git.
npm_dir=build/bench-npm
lv=$npm_dir/node_modules/lv_font_conv/lv_font_conv.js
if [ "$lv_on" = 1 ] &&
    [ "$(node -p "require('./$npm_dir/node_modules/lv_font_conv/package.json').version" 2>/dev/null)" != 1.5.3 ]; then
    npm install --prefix "$npm_dir" --no-audit --no-fund lv_font_conv@1.5.3 >/dev/null
fi

font=/usr/share/fonts/opentype/unifont/unifont.otf
song=/usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf
dir=build/bench-font
mkdir -p "$dir"
# No trailing newline: every character of the file is a glyph to make. The GB2312 hanzi are also
# written as otf2bdf's subset of code points.
python3 - "$dir" <<'EOF'
import sys
text = "".join(chr(c) for c in range(0x4E00, 0x9FA5 + 1))
for n in (1000, 5000, len(text)):
    with open(f"{sys.argv[1]}/cjk-{n}.txt", "w", encoding="utf-8") as f:
        f.write(text[:n])
hanzi = [bytes([hi, lo]).decode("gb2312") for hi in range(0xB0, 0xF8) for lo in range(0xA1, 0xFF)
         if not (hi == 0xD7 and lo > 0xF9)]
with open(f"{sys.argv[1]}/hanzi.subset", "w") as f:
    f.write(" ".join(str(ord(c)) for c in hanzi))
EOF

run_gf() { "$glimmet_font" --format bin -i "$dir/cjk-$1.txt" -o "$dir/gf-$1.bin"; }
run_u8g2() { "$glimmet_font" --format u8g2 -i "$dir/cjk-20902.txt" -o "$dir/gf-u8g2.c"; }
run_lvgl() { "$glimmet_font" --format lvgl -i "$dir/cjk-20902.txt" -o "$dir/gf-lvgl.c"; }
run_gf24() { "$glimmet_font" --format bin --size 24 --charset gb2312-hanzi -o "$dir/gf-24.bin"; }
# otf2bdf exits with 8 even when it wrote every glyph; the glyph count below checks its work.
run_otf() { otf2bdf -p 16 -r 72 -l '19968_40869' "$font" -o "$dir/otf.bdf" || true; }
run_otf24() { otf2bdf -p 24 -r 72 -l "$(cat "$dir/hanzi.subset")" "$song" -o "$dir/otf-24.bdf" || true; }
# Exactly the conversion a user would ask for: an LVGL font at 16 px, 1 bpp, plain bitmaps. It
# runs under GNU time for its peak RSS; at a minute a run the wrapper's cost is nothing.
run_lv() {
    /usr/bin/time -f %M -o "$dir/lv.rss" node "$lv" --font "$font" --range 0x4E00-0x9FA5 --size 16 --bpp 1 --format lvgl --no-compress \
        -o "$dir/lv.c"
}

# Wall clock from the shell's own clock: no date process inside the interval.
elapsed() {
    local t0=$EPOCHREALTIME
    "$@"
    awk -v a="$t0" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.6f\n", b - a }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "machine:      $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
echo "peers:        otf2bdf $(dpkg-query -W -f='${Version}' otf2bdf)$([ "$lv_on" = 1 ] && echo ", node $(node --version), lv_font_conv $(node "$lv" --version)")"
echo "glimmet-font: $glimmet_font"
echo "rounds:       $runs (first dropped)"
echo

# Alternate the programs so that a slow spell of the machine hits them alike.
gf_times=() otf_times=() lv_times=() lv_rss=() gf24_times=() otf24_times=() u8g2_times=() lvgl_times=()
for ((r = 0; r < runs; r++)); do
    g=$(elapsed run_gf 20902)
    u=$(elapsed run_u8g2)
    v=$(elapsed run_lvgl)
    o=$(elapsed run_otf)
    l=0
    [ "$lv_on" = 1 ] && l=$(elapsed run_lv)
    g24=$(elapsed run_gf24)
    o24=$(elapsed run_otf24)
    printf 'round %d: 16 px: bin %6.3f s  u8g2 %6.3f s  lvgl %6.3f s  otf2bdf %6.3f s  lv_font_conv %7.3f s   24 px: bin %6.3f s  otf2bdf %6.3f s%s\n' \
        "$r" "$g" "$u" "$v" "$o" "$l" "$g24" "$o24" "$([ "$r" -eq 0 ] && echo '   (warm-up)')"
    if [ "$r" -gt 0 ]; then
        gf_times+=("$g") otf_times+=("$o") lv_times+=("$l") gf24_times+=("$g24") otf24_times+=("$o24")
        u8g2_times+=("$u") lvgl_times+=("$v")
        [ "$lv_on" = 1 ] && lv_rss+=("$(cat "$dir/lv.rss")")
    fi
done

# A wrong table would make the speed meaningless.
check_size() {
    local size
    size=$(stat -c %s "$1")
    [ "$size" -eq "$2" ] || echo "WARNING: $1 holds $size bytes, not $2"
}
check_size "$dir/gf-20902.bin" $((32 * 20902))
check_size "$dir/gf-24.bin" $((72 * 6763))
[ "$(grep -c STARTCHAR "$dir/otf.bdf")" -eq 20902 ] || echo "WARNING: otf2bdf missed glyphs at 16"
[ "$(grep -c STARTCHAR "$dir/otf-24.bdf")" -eq 6763 ] || echo "WARNING: otf2bdf missed glyphs at 24"
[ "$(grep -c '^    /\* U+' "$dir/gf-lvgl.c")" -eq 20902 ] || echo "WARNING: the LVGL font misses glyphs"
grep -q '^const uint8_t glimmet_font\[931868\]' "$dir/gf-u8g2.c" || echo "WARNING: the u8g2 font is not 931,868 bytes"

# The linear check runs glimmet-font alone; the 20,902 figure is the one from the alternation.
declare -A lin
for n in 1000 5000; do
    t=()
    for ((r = 0; r < runs; r++)); do
        x=$(elapsed run_gf "$n")
        [ "$r" -gt 0 ] && t+=("$x")
    done
    lin[$n]=$(median "${t[@]}")
done
gf=$(median "${gf_times[@]}")
otf=$(median "${otf_times[@]}")
gf24=$(median "${gf24_times[@]}")
otf24=$(median "${otf24_times[@]}")
lin[20902]=$gf

# Peak RSS in runs of their own, so the timed runs carry no wrapper.
rss() { /usr/bin/time -f %M -o "$dir/rss" "$@" && awk -v k="$(cat "$dir/rss")" 'BEGIN { printf "%.1f", k / 1024 }'; }
gf_mb=$(rss "$glimmet_font" --format bin -i "$dir/cjk-20902.txt" -o "$dir/gf-20902.bin")
gf24_mb=$(rss "$glimmet_font" --format bin --size 24 --charset gb2312-hanzi -o "$dir/gf-24.bin")

echo
echo "median of $((runs - 1)):"
printf '  %-34s %12s   %-12s %s\n' "" "figure" "target" "met"
awk -v g="$gf" -v o="$otf" -v g24="$gf24" -v o24="$otf24" -v m="$gf_mb" -v m24="$gf24_mb" 'BEGIN {
    row = "  %-34s %10.3f s\n"
    ratio = "  %-34s %10.2f x   %-12s %s\n"
    printf row, "16 px: glimmet-font", g
    printf row, "16 px: otf2bdf", o
    printf ratio, "16 px: otf2bdf / glimmet-font", o / g, ">= 2 x", (o / g >= 5 ? "yes, and the aim of 5 x" : o / g >= 2 ? "yes" : "no")
    printf row, "24 px: glimmet-font", g24
    printf row, "24 px: otf2bdf", o24
    printf ratio, "24 px: otf2bdf / glimmet-font", o24 / g24, ">= 1.5 x", (o24 / g24 >= 1.5 ? "yes" : "no")
    printf "  %-34s %9.1f MB   %-12s %s\n", "16 px: glimmet-font peak RSS", m, "<= 64 MB", (m <= 64 ? "yes" : "no")
    printf "  %-34s %9.1f MB   %-12s %s\n", "24 px: glimmet-font peak RSS", m24, "<= 64 MB", (m24 <= 64 ? "yes" : "no")
}'
awk -v g="$gf" -v u="$(median "${u8g2_times[@]}")" -v v="$(median "${lvgl_times[@]}")" 'BEGIN {
    printf "  %-34s %10.3f s\n", "16 px: --format u8g2", u
    printf "  %-34s %10.3f s\n", "16 px: --format lvgl", v
    printf "  %-34s %10.2f x   %-12s %s\n", "16 px: u8g2 / bin", u / g, "<= 2 x", (u / g <= 2 ? "yes" : "no")
    printf "  %-34s %10.2f x   %-12s %s\n", "16 px: lvgl / bin", v / g, "<= 2 x", (v / g <= 2 ? "yes" : "no")
}'
if [ "$lv_on" = 1 ]; then
    awk -v u="$(median "${u8g2_times[@]}")" -v v="$(median "${lvgl_times[@]}")" -v l="$(median "${lv_times[@]}")" -v lm="$(median "${lv_rss[@]}")" 'BEGIN {
        printf "  %-34s %10.3f s\n", "16 px: lv_font_conv --format lvgl", l
        printf "  %-34s %10.1f x   %-12s %s\n", "16 px: lv_font_conv / u8g2", l / u, ">= 100 x", (l / u >= 100 ? "yes" : "no")
        printf "  %-34s %10.1f x   %-12s %s\n", "16 px: lv_font_conv / lvgl", l / v, ">= 100 x", (l / v >= 100 ? "yes" : "no")
        printf "  %-34s %9.0f MB\n", "lv_font_conv peak RSS", lm / 1024
    }'
fi
echo
echo "glimmet-font cost per glyph at 16 px (linear when the last column stays flat):"
printf '  %8s %12s %12s\n' glyphs "median s" "us/glyph"
for n in 1000 5000 20902; do
    awk -v n="$n" -v t="${lin[$n]}" 'BEGIN { printf "  %8d %12.4f %12.2f\n", n, t, t / n * 1e6 }'
done
