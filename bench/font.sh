#!/usr/bin/env bash
# Times glimmet-font against lv_font_conv 1.5.3 on the 20,902 CJK ideographs U+4E00..U+9FA5,
# both writing 16x16 1-bit bitmaps from Unifont, and checks that glimmet-font's cost is linear.
#
# Usage: bench/font.sh [GLIMMET_FONT]      (default build/glimmet-font, built when missing)
#        BENCH_RUNS=7 bench/font.sh ...    (rounds, the first dropped as warm-up; default 5)
#
# One lv_font_conv run takes minutes here, so a whole run of this script takes a while.
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

# Node may come from outside Debian (nodesource ships npm inside its nodejs), so only fall
# back to the Debian packages when there is no npm at all.
command -v npm >/dev/null || ensure_packages nodejs npm
# GNU time for the peak RSS; the shell's time keyword cannot give it.
ensure_packages time fonts-unifont

if [ -z "$arg" ] && [ ! -x "$glimmet_font" ]; then
    ensure_packages "${PACKAGES[@]}"
    build build
fi
[ -x "$glimmet_font" ] || { echo "no executable glimmet-font at $glimmet_font" >&2; exit 1; }

# lv_font_conv lives under build/, never in the tree: no package.json or node_modules in git.
npm_dir=build/bench-npm
lv=$npm_dir/node_modules/lv_font_conv/lv_font_conv.js
if [ "$(node -p "require('./$npm_dir/node_modules/lv_font_conv/package.json').version" 2>/dev/null)" != 1.5.3 ]; then
    npm install --prefix "$npm_dir" --no-audit --no-fund lv_font_conv@1.5.3 >/dev/null
fi

font=/usr/share/fonts/opentype/unifont/unifont.otf
dir=build/bench-font
mkdir -p "$dir"
# No trailing newline: every character of the file is a glyph to make.
python3 - "$dir" <<'EOF'
import sys
text = "".join(chr(c) for c in range(0x4E00, 0x9FA5 + 1))
for n in (1000, 5000, len(text)):
    with open(f"{sys.argv[1]}/cjk-{n}.txt", "w", encoding="utf-8") as f:
        f.write(text[:n])
EOF

run_gf() { "$glimmet_font" --format bin -i "$dir/cjk-$1.txt" -o "$dir/gf-$1.bin"; }
# Exactly the conversion a user would ask for: 16 px, 1 bpp, raw bitmaps, nothing else. It runs
# under GNU time for its peak RSS; at minutes a run the wrapper's cost is nothing.
run_lv() {
    /usr/bin/time -f %M -o "$dir/lv.rss" node "$lv" --font "$font" --range 0x4E00-0x9FA5 --size 16 --bpp 1 --format bin --no-compress \
        -o "$dir/lv.bin"
}

# Wall clock from the shell's own clock: no date process inside the interval.
elapsed() {
    local t0=$EPOCHREALTIME
    "$@"
    awk -v a="$t0" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.6f\n", b - a }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "machine:      $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
echo "node:         $(node --version), lv_font_conv $(node "$lv" --version)"
echo "glimmet-font: $glimmet_font"
echo "rounds:       $runs (first dropped), lv_font_conv takes minutes a run"
echo

# Alternate the two so that a slow spell of the machine hits both alike.
gf_times=() lv_times=() lv_rss=()
for ((r = 0; r < runs; r++)); do
    g=$(elapsed run_gf 20902)
    l=$(elapsed run_lv)
    printf 'round %d: glimmet-font %8.3f s   lv_font_conv %8.3f s%s\n' "$r" "$g" "$l" \
        "$([ "$r" -eq 0 ] && echo '   (warm-up)')"
    if [ "$r" -gt 0 ]; then
        gf_times+=("$g") lv_times+=("$l") lv_rss+=("$(cat "$dir/lv.rss")")
    fi
done

# A wrong table would make the speed meaningless: 32 bytes a glyph.
size=$(stat -c %s "$dir/gf-20902.bin")
[ "$size" -eq $((32 * 20902)) ] || echo "WARNING: glimmet-font wrote $size bytes, not $((32 * 20902))"

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
lvm=$(median "${lv_times[@]}")
lin[20902]=$gf

# Peak RSS in a run of its own, so the timed runs carry no wrapper.
/usr/bin/time -f %M -o "$dir/gf.rss" "$glimmet_font" --format bin -i "$dir/cjk-20902.txt" -o "$dir/gf-20902.bin"
gf_mb=$(awk -v k="$(cat "$dir/gf.rss")" 'BEGIN { printf "%.1f", k / 1024 }')
lv_mb=$(awk -v k="$(median "${lv_rss[@]}")" 'BEGIN { printf "%.0f", k / 1024 }')

echo
echo "20,902 glyphs, median of $((runs - 1)):"
awk -v g="$gf" -v l="$lvm" -v m="$gf_mb" -v lm="$lv_mb" 'BEGIN {
    r = l / g
    printf "  %-26s %12s   %-12s %s\n", "", "figure", "target", "met"
    printf "  %-26s %10.3f s   %-12s %s\n", "glimmet-font", g, "<= 0.5 s", (g <= 0.5 ? "yes" : "no")
    printf "  %-26s %10.3f s\n", "lv_font_conv", l
    printf "  %-26s %10.1f x   %-12s %s\n", "lv_font_conv/glimmet-font", r, ">= 100 x", (r >= 100 ? "yes" : "no")
    printf "  %-26s %9.1f MB   %-12s %s\n", "glimmet-font peak RSS", m, "<= 64 MB", (m <= 64 ? "yes" : "no")
    printf "  %-26s %9.0f MB\n", "lv_font_conv peak RSS", lm
}'
echo
echo "glimmet-font cost per glyph (linear when the last column stays flat):"
printf '  %8s %12s %12s\n' glyphs "median s" "us/glyph"
for n in 1000 5000 20902; do
    awk -v n="$n" -v t="${lin[$n]}" 'BEGIN { printf "  %8d %12.4f %12.2f\n", n, t, t / n * 1e6 }'
done
