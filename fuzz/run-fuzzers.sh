#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Replays the committed seed corpus of every fuzz target, then fuzzes each one
# for a bounded time. Usage: fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
#
# New inputs go to BUILD_DIR/fuzz-corpus/<target>, never into the committed
# seeds; an input that breaks a target is kept as
# BUILD_DIR/fuzz-artifacts/<target>-crash-<hash> and fails the run. Replay it
# with: BUILD_DIR/fuzz/fuzz_<target> <that file>
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]}
seconds=${2:?usage: fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]}
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(numberText numberFormat calculator)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in "${targets[@]}"; do
    binary=$build/fuzz/fuzz_$target
    seeds=fuzz/corpus/$target
    work=$build/fuzz-corpus/$target
    artifacts=$build/fuzz-artifacts
    log=$build/fuzz-logs/$target.log
    mkdir -p "$work" "$artifacts" "$(dirname "$log")"

    # Every seed once, on its own: a seed that breaks the target fails here.
    if ! "$binary" -runs=0 "$seeds" >"$log.replay" 2>&1; then
        echo "fuzz $target: a seed input fails; see $log.replay" >&2
        tail -n 30 "$log.replay" >&2
        status=1
        continue
    fi

    if "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$work" "$seeds" >"$log" 2>&1; then
        result=passed
    else
        result=FAILED
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    corpus=$(find "$work" -type f | wc -l)
    seedCount=$(find "$seeds" -type f | wc -l)
    echo "fuzz $target: $result, ${runs:-?} executions in ${seconds} s, $seedCount seeds, $corpus inputs kept"
    if [ "$result" = FAILED ]; then
        grep -E 'property broken|ERROR: |SUMMARY: |runtime error|Test unit written' "$log" >&2 || tail -n 40 "$log" >&2
        echo "fuzz $target: full log in $log" >&2
    fi
done
exit $status
