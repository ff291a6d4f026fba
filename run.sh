#!/usr/bin/env bash
# Installs what is missing, builds and opens the window.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${PACKAGES[@]}"
build build
exec ./build/glimmet
