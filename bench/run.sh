#!/usr/bin/env bash
# Installs what is missing, builds build-bench with the benchmark and the tests, and runs
# glimmet-bench headless. Arguments go to glimmet-bench, e.g. --benchmark_repetitions=5.
source "$(dirname "$0")/../scripts/common.sh"
ensure_packages "${PACKAGES[@]}" libbenchmark-dev
build build-bench -DGLIMMET_BENCH=ON
build-bench/bench/glimmet-bench "$@"
