#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
# With --sanitize: the same tests in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    build "$dir" -DGLIMMET_SANITIZE=ON
else
    dir=build
    build "$dir"
fi
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
