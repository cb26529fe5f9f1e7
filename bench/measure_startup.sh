#!/usr/bin/env bash
# Times two programs from start to first painted frame, as whole processes: wall time, CPU
# time (user + system) and peak memory. One warm-up each, then RUNS runs of each,
# alternating, and the two compared pair by pair: the median of the per-pair ratios, so a
# machine that speeds up or slows down during the runs moves both sides of each pair.
# CPU time is the steady figure on a busy machine; wall time also catches waiting.
# Run by scripts/bench, inside the display it has chosen.
# Usage: measure_startup.sh RUN_TIMED PAGETINT BASELINE RUNTIME_DIR RUNS DISPLAY_NOTE CHECK(0|1)
set -euo pipefail
run_timed=$1 pagetint=$2 baseline=$3 runtime=$4 runs=$5 display_note=$6 check=$7

max_wall_ratio=1.3
max_cpu_ratio=1.15
max_rss_ratio=1.3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Prints "wall_us cpu_us kib" for one run that must end by itself with status 0.
run_once() {
    local program=$1 figures status=0
    # env execs the program in place, so the timed child is the program itself.
    figures=$(timeout 60 "$run_timed" "$scratch/output" \
        env PAGETINT_EXIT_AFTER_SHOWN=1 XDG_RUNTIME_DIR="$runtime" "$program") || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$program ended with status $status:" >&2
        cat "$scratch/output" >&2
        return 1
    fi
    echo "$figures"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

run_once "$pagetint" >/dev/null
run_once "$baseline" >/dev/null
: >"$scratch/pagetint.runs"
: >"$scratch/baseline.runs"
for _ in $(seq "$runs"); do
    run_once "$pagetint" >>"$scratch/pagetint.runs"
    run_once "$baseline" >>"$scratch/baseline.runs"
done

column() { cut -d' ' -f"$2" "$scratch/$1.runs" | median; }
# The median of the pair-by-pair ratios of one column.
ratio() {
    paste -d' ' "$scratch/pagetint.runs" "$scratch/baseline.runs" |
        awk -v c="$1" '{ printf "%.6f\n", $c / $(c + 3) }' | median
}

echo "Start-up to the first painted frame, whole process (PAGETINT_EXIT_AFTER_SHOWN=1)"
echo "Display: $display_note"
echo "$runs runs each after one warm-up, alternating; medians, ratios pair by pair"
echo
awk -v pw="$(column pagetint 1)" -v bw="$(column baseline 1)" -v rw="$(ratio 1)" \
    -v pc="$(column pagetint 2)" -v bc="$(column baseline 2)" -v rc="$(ratio 2)" \
    -v pr="$(column pagetint 3)" -v br="$(column baseline 3)" -v rr="$(ratio 3)" \
    -v mw="$max_wall_ratio" -v mc="$max_cpu_ratio" -v mr="$max_rss_ratio" -v check="$check" '
BEGIN {
    fmt = "%-10s %16s %16s %16s\n"
    printf fmt, "", "Wall time", "CPU time", "Peak RSS"
    printf fmt, "pagetint", sprintf("%.1f ms", pw / 1000), sprintf("%.1f ms", pc / 1000), sprintf("%d KiB", pr)
    printf fmt, "baseline", sprintf("%.1f ms", bw / 1000), sprintf("%.1f ms", bc / 1000), sprintf("%d KiB", br)
    printf fmt, "ratio", sprintf("%.2f x", rw), sprintf("%.2f x", rc), sprintf("%.2f x", rr)
    printf fmt, "limit", sprintf("<= %.2f x", mw), sprintf("<= %.2f x", mc), sprintf("<= %.2f x", mr)
    printf fmt, "result", (rw <= mw ? "ok" : "MISSED"), (rc <= mc ? "ok" : "MISSED"), (rr <= mr ? "ok" : "MISSED")
    exit (check && (rw > mw || rc > mc || rr > mr)) ? 1 : 0
}' || missed=1
echo
# One column of every run: microseconds as milliseconds, kibibytes as they are.
list() {
    awk -v c="$2" -v unit="$3" '{
        printf "%s", (NR > 1 ? " " : "")
        if (unit == "ms") printf "%.1f", $c / 1000; else printf "%d", $c
    } END { print "" }' "$scratch/$1.runs"
}
echo "pagetint wall, ms: $(list pagetint 1 ms)"
echo "baseline wall, ms: $(list baseline 1 ms)"
echo "pagetint CPU, ms:  $(list pagetint 2 ms)"
echo "baseline CPU, ms:  $(list baseline 2 ms)"
echo "pagetint KiB:      $(list pagetint 3 KiB)"
echo "baseline KiB:      $(list baseline 3 KiB)"
exit "${missed:-0}"
