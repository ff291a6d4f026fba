# Sourced by the shell tests of glimmet-font: $font is the program given as the first argument,
# the test runs in a folder of its own that goes when it ends, and fail says what broke.
set -euo pipefail
font=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
