#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz into build-fuzz/ (clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS, one after the other, starting from its
# seeds in tests/fuzz/corpus/NAME. Prints the executions and findings of each target; exits 1
# when any target found something (the inputs land in build-fuzz/findings/NAME/).
#
# Usage: bench/fuzz.sh SECONDS [TARGET]...    (targets: options encoding text bin image; default all)
set -euo pipefail
seconds=${1:-}
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench/fuzz.sh SECONDS [TARGET]..." >&2; exit 2; }
shift
source "$(dirname "$0")/../scripts/common.sh"
ensure_packages "${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(options encoding text bin image)

dir=build-fuzz
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ -DGLIMMET_FUZZ=ON \
    >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null

export QT_QPA_PLATFORM=offscreen
found=0
printf '%-8s %12s %10s %9s\n' target executions "exec/s" findings
for target in "${targets[@]}"; do
    corpus=$dir/corpus/$target findings=$dir/findings/$target log=$dir/fuzz-$target.log
    mkdir -p "$corpus" "$findings"
    # New inputs go to the first folder, so the seeds in the tree stay as they are. The
    # program's own messages are closed off; libFuzzer and the sanitizers still report.
    status=0
    "$dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -close_fd_mask=3 \
        -artifact_prefix="$findings/" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1 ||
        status=$?
    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1/p' "$log")
    count=$(find "$findings" -type f | wc -l)
    if [ "$status" -ne 0 ] && [ "$count" -eq 0 ]; then count=1; fi
    printf '%-8s %12s %10s %9s\n' "$target" "${runs:-?}" "$((${runs:-0} / seconds))" "$count"
    [ "$count" -eq 0 ] || { found=1; echo "  see $log and $findings/" >&2; }
done
exit "$found"
