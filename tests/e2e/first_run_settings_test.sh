#!/usr/bin/env bash
# A first run closed at once writes the default settings file byte for byte and exits 0,
# whether it closes itself after the first frame or the user presses Ctrl+Q; a second run
# over that file writes it back unchanged.
# Usage: first_run_settings_test.sh PROGRAM
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
expected=$E2E_WORK/expected.ini
first_run_file >"$expected"

check_after_close() {
    local what=$1
    [ "$EXIT_CODE" -eq 0 ] || fail "$what: exit code $EXIT_CODE"
    same_bytes "$SETTINGS" "$expected" "$what"
    [ -z "$(stray_files)" ] || fail "$what: stray files beside the program: $(stray_files)"
    # The preview page lives in the runtime folder beside the lock; nothing else may stay.
    local left
    left=$(find "$TMPDIR" "$XDG_RUNTIME_DIR" -mindepth 1 ! -name Pagetint_corvel.lock)
    [ -z "$left" ] || fail "$what: left in the temporary or runtime folder: $left"
}

use_offscreen
new_app offscreen
launch PAGETINT_EXIT_AFTER_SHOWN=1
wait_exit "$PID" 15000
check_after_close "offscreen, closed after the first frame"
echo "offscreen, closed after the first frame: $(($(now_ms) - LAUNCHED_MS)) ms"

start_display
new_app shown
launch PAGETINT_EXIT_AFTER_SHOWN=1
wait_exit "$PID" 15000
check_after_close "X11, closed after the first frame"
echo "X11, closed after the first frame: $(($(now_ms) - LAUNCHED_MS)) ms"

new_app ctrlq
launch
find_window "$PID" "$MAIN_TITLE" 5000
shown=$SHOWN_MS
close_with_ctrl_q "$WID" "$PID"
check_after_close "X11, closed with Ctrl+Q"
echo "X11, closed with Ctrl+Q: window after ${shown} ms, ended after $(($(now_ms) - LAUNCHED_MS)) ms"

# What a run writes, the next run reads and writes back unchanged.
launch PAGETINT_EXIT_AFTER_SHOWN=1
wait_exit "$PID" 15000
check_after_close "second run over the first run's file"
echo "first run settings: ok"
