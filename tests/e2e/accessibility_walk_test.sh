#!/usr/bin/env bash
# The program through a screen reader's eyes: on a private X display and a private session bus
# with its own accessibility bus, a walk of the accessibility tree checks that every control
# that takes the focus has a name, that Tab visits them in the layout's order, that a pasted
# colour is announced on the swatch and, applied with Ctrl+Return, on the background.
# With "english" it runs under LANG=en_US.UTF-8 and also checks that no name is in Japanese.
# Usage: accessibility_walk_test.sh PROGRAM BUS_CONFIG [english]
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
readonly BUS_CONFIG=$2 MODE=${3:-}
readonly WALK=$(dirname "$0")/accessibility_walk.py PY=/usr/bin/python3
readonly LAUNCHER=/usr/libexec/at-spi-bus-launcher
command -v dbus-daemon >/dev/null || fail "dbus-daemon is missing (scripts/test installs it)"
[ -x "$LAUNCHER" ] || fail "at-spi-bus-launcher is missing (scripts/test installs at-spi2-core)"
"$PY" -c 'import pyatspi' 2>/dev/null || fail "pyatspi is missing (scripts/test installs python3-pyatspi)"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE AT_SPI_BUS_ADDRESS
start_display

: >"$E2E_WORK/bus"
dbus-daemon --config-file="$BUS_CONFIG" --nofork --print-address=3 3>"$E2E_WORK/bus" 2>"$E2E_WORK/bus.log" &
deadline=$(($(now_ms) + 10000))
until grep -q '^unix:' "$E2E_WORK/bus"; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "dbus-daemon gave no address within 10 s"
    sleep 0.02
done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_WORK/bus")
export DBUS_SESSION_BUS_ADDRESS
# The launcher starts the accessibility bus and its registry and lends the bus's address.
"$LAUNCHER" --launch-immediately >"$E2E_WORK/atspi.log" 2>&1 &
LAUNCHER_PID=$!
# A plain TERM lets the launcher end the accessibility bus and the registry it started.
stop_launcher() {
    kill "$LAUNCHER_PID" 2>/dev/null
    wait "$LAUNCHER_PID" 2>/dev/null
}
trap 'status=$?; stop_launcher; (exit $status); e2e_cleanup' EXIT
"$PY" "$WALK" wait-bus || fail "$(cat "$E2E_WORK/atspi.log")"

new_app walk
# On the clipboard before the start, so that 貼り付け is enabled from the first frame.
printf '#1E90FF' >"$E2E_WORK/colour.txt"
put_clipboard "$E2E_WORK/colour.txt"
if [ "$MODE" = english ]; then
    launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en
else
    launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8
fi
find_window "$PID" "$MAIN_TITLE" 5000
"$PY" "$WALK" walk "$PID" "$WID" $MODE || exit 1
close_with_ctrl_q "$WID" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "closing ended with $EXIT_CODE"
echo "accessibility walk: ok"
