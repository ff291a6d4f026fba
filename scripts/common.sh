# Shared by run.sh and test.sh: install what is missing, then build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Debian packages the build and the programs need (Qt's own texts in Chinese among them, and Qt's
# translation tools for glimmet-font's own), giflib for the previews, and the faces glimmet-font
# captures from by default at 12 to 15 pixels and at other sizes.
PACKAGES=(cmake g++ make qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
    libpng-dev libgif-dev libfontconfig-dev fonts-unifont fonts-wqy-zenhei xfonts-wqy
    fonts-arphic-gbsn00lp)
# What the tests need besides: as31 and sdcc prove that the listings and tables assemble and
# compile for the 8051, and gcc-avr, avr-libc and binutils-avr for the ATmega328P, whose
# programs simavr runs; xxd and binutils read the bytes back; DejaVu Sans is a font whose line is
# taller than its em, with bold and extra-light files of one family; two validators check the
# desktop files; cpack finds the package's library dependencies with file and dpkg-dev, and
# lintian checks the package.
TEST_PACKAGES=(as31 sdcc gcc-avr avr-libc binutils-avr simavr xxd binutils fonts-dejavu-core
    fonts-dejavu-extra desktop-file-utils appstream file dpkg-dev lintian)
# bench/fuzz.sh builds the fuzz targets with clang and its libFuzzer runtime.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# build DIR [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
