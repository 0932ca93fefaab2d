#!/usr/bin/env bash
# Times cuprena-cli side by side with cat and unix2dos on a generated design
# of SIZE_MB megabytes (default 300) with LF line ends, all files in a tmpfs:
#   copy     cuprena-cli --ground off: a pure copy to CR LF, the work of unix2dos
#   unix2dos unix2dos -n of the same design
#   full     cuprena-cli with both planes from layer 1, pads and vias on both
#   cat      cat of the design to a file
# Each is run RUNS times (default 5); the best wall time counts. Also reports
# the peak memory of cuprena-cli on a 1 MB and on the large design.
#
#   ./scripts/bench.sh [SIZE_MB]        RUNS=9 ./scripts/bench.sh 500
set -euo pipefail
cd "$(dirname "$0")/.."

size_mb=${1:-300}
runs=${RUNS:-5}
if ! [[ $size_mb =~ ^[0-9]+$ && $runs =~ ^[0-9]+$ ]] || ((size_mb == 0 || runs == 0)); then
    echo "usage: [RUNS=N] $0 [SIZE_MB]" >&2
    exit 2
fi
for tool in unix2dos /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

build=build/bench-release
cmake --preset release -B "$build" -DCUPRENA_GUI=OFF -DCUPRENA_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target cuprena-cli cuprena-generate-design >/dev/null
cli=$build/cli/cuprena-cli
generate=$build/bench/cuprena-generate-design

tmpfs=/dev/shm
[ -d "$tmpfs" ] && [ -w "$tmpfs" ] || tmpfs=${TMPDIR:-/tmp}
work=$(mktemp -d "$tmpfs/cuprena-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

design=$work/design.pcb
"$generate" --size "${size_mb}M" "$design"
"$generate" --size 1M --seed 2 "$work/small.pcb"
input_bytes=$(stat -c %s "$design")

# Best and median wall time of RUNS runs, in seconds.
best=0 median=0
measure() {
    local times=() start end
    for ((i = 0; i < runs; i++)); do
        start=$EPOCHREALTIME
        "$@" >/dev/null
        end=$EPOCHREALTIME
        times+=("$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }')")
    done
    read -r best median < <(printf '%s\n' "${times[@]}" | sort -g |
        awk '{ t[NR] = $1 } END { printf "%s %s\n", t[1], t[int((NR + 1) / 2)] }')
}

declare -A seconds medians
run_case() {
    local name=$1
    shift
    measure "$@"
    seconds[$name]=$best
    medians[$name]=$median
}

cat "$design" >/dev/null  # in the page cache (it is in a tmpfs anyway)
run_case cat sh -c 'cat "$1" >"$2"' cat "$design" "$work/cat.pcb"
run_case unix2dos unix2dos -q -n "$design" "$work/unix2dos.pcb"
run_case copy "$cli" --ground off -o "$work/copy.pcb" "$design"
run_case full "$cli" --ground 1 --power 1 --ground-pads-vias --power-pads-vias \
    -o "$work/full.pcb" "$design"

if ! cmp -s "$work/copy.pcb" "$work/unix2dos.pcb"; then
    echo "$0: the pure copy differs from unix2dos's output" >&2
    exit 1
fi
full_bytes=$(stat -c %s "$work/full.pcb")

peak_kib() {
    /usr/bin/time -f %M "$cli" --ground 1 --power 1 --ground-pads-vias --power-pads-vias \
        -o "$work/peak.pcb" "$1" 2>&1 >/dev/null | tail -n 1
}
peak_small=$(peak_kib "$work/small.pcb")
peak_large=$(peak_kib "$design")

echo
echo "Design: $(awk -v b="$input_bytes" 'BEGIN { printf "%.1f MB", b / 1e6 }') (LF line ends) in $tmpfs," \
    "best of $runs runs; $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-10s %10s %10s %10s\n' case "best s" "median s" "MB/s"
for name in cat unix2dos copy full; do
    awk -v n="$name" -v t="${seconds[$name]}" -v m="${medians[$name]}" -v b="$input_bytes" \
        'BEGIN { printf "%-10s %10.3f %10.3f %10.0f\n", n, t, m, b / 1e6 / t }'
done
echo
awk -v cat="${seconds[cat]}" -v u2d="${seconds[unix2dos]}" -v copy="${seconds[copy]}" \
    -v full="${seconds[full]}" -v inb="$input_bytes" -v out="$full_bytes" \
    -v small="$peak_small" -v large="$peak_large" 'BEGIN {
    printf "copy throughput / unix2dos throughput  %6.2f  (target >= 3)  %s\n", u2d / copy, ((u2d / copy >= 3) ? "met" : "MISSED")
    printf "copy time / cat time                   %6.2f  (target <= 2)  %s\n", copy / cat, ((copy / cat <= 2) ? "met" : "MISSED")
    printf "full time / cat time                   %6.2f  (target <= 4)  %s\n", full / cat, ((full / cat <= 4) ? "met" : "MISSED")
    printf "full output / input size               %6.2f  (must be > 2)  %s\n", out / inb, ((out / inb > 2) ? "met" : "MISSED")
    printf "peak memory, 1 MB design               %6d KiB\n", small
    printf "peak memory, large design              %6d KiB\n", large
    printf "peak memory difference                 %6d KiB (target <= 1024)  %s\n", large - small, ((large - small <= 1024) ? "met" : "MISSED")
}'
