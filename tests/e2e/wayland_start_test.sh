#!/usr/bin/env bash
# On a Wayland compositor (weston, headless) with the Wayland plugin and no X server at all,
# the program starts, closes after its first frame with exit code 0, writes the first-run
# settings file and says nothing on its error output.
# Usage: wayland_start_test.sh PROGRAM
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
command -v weston >/dev/null || fail "weston is missing (scripts/test installs it)"
# XDG_RUNTIME_DIR is the workspace's own (mode 0700), where weston puts its socket.
socket=pagetint-weston
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    >"$E2E_WORK/weston.log" 2>&1 &
weston_pid=$!
deadline=$(($(now_ms) + 15000))
until [ -S "$XDG_RUNTIME_DIR/$socket" ]; do
    running "$weston_pid" || fail "weston did not start: $(tail -n 5 "$E2E_WORK/weston.log")"
    [ "$(now_ms)" -lt "$deadline" ] || fail "weston made no socket within 15 s"
    sleep 0.02
done

unset DISPLAY XDG_SESSION_TYPE
new_app wayland
# NOTE: Qt's Wayland plugin starts EGL, which loads Mesa's driver and unloads it again at the
# close, before the leak check at exit. What the driver keeps in its globals for as long as
# it is loaded (on AMD Zen processors, the 128-byte table of L3 cache affinities its CPU
# detection reallocs) then belongs to no module and reads as a leak that no suppression can
# name. Under the sanitizer the driver is kept loaded to the end, so those blocks stay
# reachable from its globals while every allocation of ours is still checked. Every name in
# dri/ is a hard link of the one driver file, so this keeps whichever one EGL picks.
preload=()
if asan=$(ldd "$APP" | awk '$1 ~ /^libasan\.so/ { print $3; exit }') && [ -n "$asan" ]; then
    driver=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1)
    [ -n "$driver" ] || fail "Mesa's driver is missing (scripts/test installs libgl1-mesa-dri)"
    # The sanitizer's runtime must come first in the list of libraries.
    preload=("LD_PRELOAD=$asan:$driver")
fi
launch QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" PAGETINT_EXIT_AFTER_SHOWN=1 \
    "${preload[@]}" 2>"$E2E_WORK/stderr"
# A run that hangs says how far it got: before the first frame, or in the close.
(wait_exit "$PID" 15000) || fail "no exit; settings $([ -f "$SETTINGS" ] && echo written || echo not written); \
error output: $(tail -c 2000 "$E2E_WORK/stderr"); weston: $(tail -n 20 "$E2E_WORK/weston.log")"
wait_exit "$PID" 1000
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE: $(cat "$E2E_WORK/stderr")"
[ -s "$E2E_WORK/stderr" ] && fail "error output: $(cat "$E2E_WORK/stderr")"
first_run_file >"$E2E_WORK/expected.ini"
same_bytes "$SETTINGS" "$E2E_WORK/expected.ini" "settings after a Wayland run"
kill "$weston_pid"
wait "$weston_pid" 2>/dev/null
echo "Wayland start and close: ok, $(($(now_ms) - LAUNCHED_MS)) ms"
