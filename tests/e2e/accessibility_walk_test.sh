#!/usr/bin/env bash
# The program through a screen reader's eyes: on a private display and session bus with its own
# accessibility bus, accessibility_walk.py checks names, the Tab order and the announced colours.
# Usage: accessibility_walk_test.sh PROGRAM BUS_CONFIG [english]  (english: LANG=en_US.UTF-8)
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
readonly WALK=$(dirname "$0")/accessibility_walk.py PY=/usr/bin/python3
readonly LAUNCHER=/usr/libexec/at-spi-bus-launcher
[ -x "$LAUNCHER" ] || fail "at-spi-bus-launcher is missing (scripts/test installs at-spi2-core)"
"$PY" -c 'import pyatspi' || fail "pyatspi is missing (scripts/test installs python3-pyatspi)"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE AT_SPI_BUS_ADDRESS
start_display
start_session_bus "$2"
"$LAUNCHER" --launch-immediately >"$E2E_WORK/atspi.log" 2>&1 &
LAUNCHER_PID=$!
# A plain TERM lets the launcher end the accessibility bus and the registry it started.
trap 'status=$?; kill $LAUNCHER_PID; wait $LAUNCHER_PID; (exit $status); e2e_cleanup' EXIT
deadline=$(($(now_ms) + 10000))
until dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "no accessibility bus: $(cat "$E2E_WORK/atspi.log")"
    sleep 0.05
done

new_app walk
# On the clipboard before the start, so that 貼り付け is enabled from the first frame.
printf '#1E90FF' >"$E2E_WORK/colour.txt"
put_clipboard "$E2E_WORK/colour.txt"
locale=(LC_ALL=C.UTF-8)
[ "${3:-}" = english ] && locale=(LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en)
launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${locale[@]}"
find_window "$PID" "$MAIN_TITLE" 5000
"$PY" "$WALK" "$PID" "$WID" ${3:+"$3"} || exit 1
close_with_ctrl_q "$WID" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "closing ended with $EXIT_CODE"
echo "accessibility walk: ok"
