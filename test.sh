#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${PACKAGES[@]}" as31  # as31: the listings must assemble
build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
