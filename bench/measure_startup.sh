#!/usr/bin/env bash
# Times two programs from start to first painted frame and takes their peak memory:
# one warm-up each, then RUNS runs of each, alternating, and the medians compared.
# Run by scripts/bench, inside the display it has chosen.
# Usage: measure_startup.sh PAGETINT BASELINE RUNTIME_DIR RUNS DISPLAY_NOTE CHECK(0|1)
set -euo pipefail
pagetint=$1 baseline=$2 runtime=$3 runs=$4 display_note=$5 check=$6

max_time_ratio=1.3
max_rss_ratio=1.3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Prints "microseconds kibibytes" for one run that must end by itself with status 0.
run_once() {
    local program=$1 start end status=0
    start=${EPOCHREALTIME/[.,]/}
    # env execs the program in place, so GNU time's child is the program itself.
    timeout 60 /usr/bin/time -f %M -o "$scratch/rss" \
        env PAGETINT_EXIT_AFTER_SHOWN=1 XDG_RUNTIME_DIR="$runtime" "$program" \
        >"$scratch/output" 2>&1 || status=$?
    end=${EPOCHREALTIME/[.,]/}
    if [ "$status" -ne 0 ]; then
        echo "$program ended with status $status:" >&2
        cat "$scratch/output" >&2
        return 1
    fi
    echo "$((end - start)) $(tail -n 1 "$scratch/rss")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

run_once "$pagetint" >/dev/null
run_once "$baseline" >/dev/null
: >"$scratch/pagetint.runs"
: >"$scratch/baseline.runs"
for _ in $(seq "$runs"); do
    run_once "$pagetint" >>"$scratch/pagetint.runs"
    run_once "$baseline" >>"$scratch/baseline.runs"
done

p_time=$(cut -d' ' -f1 "$scratch/pagetint.runs" | median)
b_time=$(cut -d' ' -f1 "$scratch/baseline.runs" | median)
p_rss=$(cut -d' ' -f2 "$scratch/pagetint.runs" | median)
b_rss=$(cut -d' ' -f2 "$scratch/baseline.runs" | median)
list_ms() { awk '{ printf "%s%.1f", (NR > 1 ? " " : ""), $1 / 1000 } END { print "" }' "$1"; }
list_kib() { awk '{ printf "%s%d", (NR > 1 ? " " : ""), $2 } END { print "" }' "$1"; }

echo "Start-up to the first painted frame, whole process (PAGETINT_EXIT_AFTER_SHOWN=1)"
echo "Display: $display_note"
echo "$runs runs each after one warm-up, alternating; medians"
echo
awk -v pt="$p_time" -v bt="$b_time" -v pr="$p_rss" -v br="$b_rss" \
    -v mt="$max_time_ratio" -v mr="$max_rss_ratio" -v check="$check" '
BEGIN {
    tr = pt / bt; rr = pr / br
    fmt = "%-10s %22s %16s\n"
    printf fmt, "", "Time to first frame", "Peak RSS"
    printf fmt, "pagetint", sprintf("%.1f ms", pt / 1000), sprintf("%d KiB", pr)
    printf fmt, "baseline", sprintf("%.1f ms", bt / 1000), sprintf("%d KiB", br)
    printf fmt, "ratio", sprintf("%.2f x", tr), sprintf("%.2f x", rr)
    printf fmt, "limit", sprintf("<= %.2f x", mt), sprintf("<= %.2f x", mr)
    printf fmt, "result", (tr <= mt ? "ok" : "MISSED"), (rr <= mr ? "ok" : "MISSED")
    exit (check && (tr > mt || rr > mr)) ? 1 : 0
}' || missed=1
echo
echo "pagetint runs, ms:  $(list_ms "$scratch/pagetint.runs")"
echo "baseline runs, ms:  $(list_ms "$scratch/baseline.runs")"
echo "pagetint runs, KiB: $(list_kib "$scratch/pagetint.runs")"
echo "baseline runs, KiB: $(list_kib "$scratch/baseline.runs")"
exit "${missed:-0}"
