# Sourced by the shell tests of glimmet-font: $font is the program given as the first argument,
# the test runs in a folder of its own that goes when it ends, and fail says what broke; the
# helpers below read back what the toolchains made.
set -euo pipefail
font=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# run NAME COMMAND...: the command's output goes to NAME.log, shown when it fails.
run() {
    local name=$1
    shift
    "$@" >"$name.log" 2>&1 || { cat "$name.log"; fail "$name"; }
}

# An area of sdcc's map: "ADDRESS SIZE ATTRIBUTES" in hex.
area() {
    awk -v name="$1" '$1 == name && $4 == "=" { print $2, $3, $7 }' "$2"
}

# bytes IHX ADDRESS COUNT: the bytes at the address of an Intel hex file.
bytes() {
    objcopy -I ihex -O binary --gap-fill 0 "$1" image.bin
    head -c $(($2 + $3)) image.bin | tail -c "$3"
}

# simavr [ELF]: the bytes the program printed, one a line.
simulated() {
    timeout 60 simavr -m atmega328p -f 16000000 "$1" 2>&1 >/dev/null |
        sed 's/\x1b\[[0-9;]*m//g' | sed -n 's/^\([0-9a-f][0-9a-f]\)\.$/\1/p'
}
