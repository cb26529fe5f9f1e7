#!/usr/bin/env bash
# A second start exits 1 at once and leaves the first alone; a killed first never blocks a
# later start. Usage: single_instance_test.sh PROGRAM [offscreen|x11]
. "$(dirname "$0")/e2e_lib.sh"

mode=${2:-offscreen}
e2e_setup "$1"
case $mode in
    offscreen) use_offscreen ;;
    x11) start_display ;;
    *) fail "unknown mode '$mode'" ;;
esac
new_app one

launch
first=$PID
wait_lock_held_by "$first" 10000
if [ "$mode" = x11 ]; then
    find_window "$first" "$MAIN_TITLE" 10000
    first_window=$WID
fi

start=$(now_ms)
timeout 10 "$APP"
rc=$?
elapsed=$(($(now_ms) - start))
[ "$rc" -eq 1 ] || fail "second instance exited with $rc, expected 1"
[ "$elapsed" -lt 3000 ] || fail "second instance took ${elapsed} ms to give up"
running "$first" || fail "the first instance did not survive the second start"
[ "$(lock_holder)" = "$first" ] || fail "the first instance lost the lock"
if [ "$mode" = x11 ]; then
    # The second copy showed nothing: the only main window is still the first one's.
    windows=$(xdotool search --onlyvisible --name "^${MAIN_TITLE}\$" | sort -u)
    [ "$windows" = "$first_window" ] || fail "visible main windows after the second start: '$windows'"
    boxes=$(xdotool search --onlyvisible --name "^${ERROR_TITLE}\$" | wc -l)
    [ "$boxes" -eq 0 ] || fail "the second start left a message box"
fi
echo "second instance gave up in ${elapsed} ms"

kill_hard "$first"
[ ! -e "$SETTINGS" ] || fail "a killed run wrote its settings file"

launch
third=$PID
wait_lock_held_by "$third" 10000
if [ "$mode" = x11 ]; then
    find_window "$third" "$MAIN_TITLE" 5000
    echo "start after a crash: window shown after ${SHOWN_MS} ms"
    close_with_ctrl_q "$WID" "$third"
    [ "$EXIT_CODE" -eq 0 ] || fail "the start after a crash ended with $EXIT_CODE"
    first_run_file >"$E2E_WORK/expected.ini"
    same_bytes "$SETTINGS" "$E2E_WORK/expected.ini" "settings written by the start after a crash"
else
    running "$third" || fail "the start after a crash ended"
    kill_hard "$third"
fi
echo "single instance ($mode): ok"
