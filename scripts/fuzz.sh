#!/usr/bin/env bash
# Fuzzes the pass: builds the libFuzzer target with the fuzz preset (clang 14,
# address and undefined-behaviour sanitizers, no Qt) in build/fuzz and runs it
# for SECONDS (default 60). Fails on any crash, sanitizer report, leak,
# timeout or broken invariant; the input that caused it is left in
# build/fuzz/artifacts. Inputs found interesting are kept in build/fuzz/corpus
# for the next run.
#
#   ./scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds == 0)); then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi

build=build/fuzz
cmake --preset fuzz >/dev/null
cmake --build "$build" -j2 --target cuprena_fuzz_build_planes

# Seeds: the handcrafted edge cases, and every corpus design under a few
# settings (the first four bytes of an input; see fuzz/build_planes_fuzzer.cpp).
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds" "$build/corpus" "$build/artifacts"
cp fuzz/seeds/* "$seeds/"
settings=('\x0a\x0b\x0f\x00' '\x00\x64\x05\x51' '\x0a\x0a\x03\x10')
for design in tests/data/corpus/*/*; do
    case $design in *.pcb | *.PCB) ;; *) continue ;; esac
    for i in "${!settings[@]}"; do
        { printf "${settings[$i]}"; cat "$design"; } >"$seeds/$(basename "$design").$i"
    done
done

log=$build/fuzz.log
status=0
"$build/fuzz/cuprena_fuzz_build_planes" \
    -max_total_time="$seconds" -max_len=8192 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" "$build/corpus" "$seeds" >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
if ((status != 0)) || grep -qE '^SUMMARY: |runtime error:|INVARIANT BROKEN' "$log"; then
    grep -E 'ERROR|SUMMARY|runtime error|INVARIANT|Test unit written|^#' "$log" | tail -n 40 >&2
    echo "fuzz: FAILED (exit status $status) after ${runs:-?} executions; see $log and $build/artifacts/" >&2
    exit 1
fi
echo "fuzz: ${runs:-?} executions in $seconds s: no crash, sanitizer report, leak or broken invariant"
