#!/usr/bin/env bash
# A second start exits 1 while the first runs; a killed first never blocks a later start.
set -u
binary=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
cp "$binary" "$work/pagetint"

fail() { echo "FAIL: $*"; exit 1; }

wait_for_lock() {
    for _ in $(seq 100); do
        [ -e "$XDG_RUNTIME_DIR/Pagetint_corvel.lock" ] && ! flock -n "$XDG_RUNTIME_DIR/Pagetint_corvel.lock" true && return 0
        sleep 0.1
    done
    return 1
}

"$work/pagetint" & first=$!
wait_for_lock || fail "the first instance never took the lock"

start=$(date +%s%N)
"$work/pagetint"; rc=$?
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$rc" -eq 1 ] || fail "second instance exited with $rc, expected 1"
[ "$elapsed" -lt 3000 ] || fail "second instance took ${elapsed} ms to give up"
kill -0 "$first" 2>/dev/null || fail "the first instance did not survive the second start"

kill -9 "$first"; wait "$first" 2>/dev/null
"$work/pagetint" & third=$!
wait_for_lock || fail "a start after a crash could not take the lock"
kill -0 "$third" 2>/dev/null || fail "the start after a crash ended"
kill -9 "$third"
echo "single instance: ok"
