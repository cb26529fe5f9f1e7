#!/usr/bin/env bash
# The eyedropper under XWayland (the X11 plugin with WAYLAND_DISPLAY or XDG_SESSION_TYPE
# saying Wayland) asks the desktop portal, here a stand-in on a private session bus: its
# colour reaches the editor, a cancel changes nothing, no portal gives the box; on plain X11
# the portal is never asked.
# Usage: portal_pick_test.sh PROGRAM FAKE_PORTAL BUS_CONFIG
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
readonly FAKE_PORTAL=$2 BUS_CONFIG=$3
[ -x "$FAKE_PORTAL" ] || fail "no stand-in portal at '$FAKE_PORTAL'"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
start_display
start_session_bus "$BUS_CONFIG"
PORTAL_LOG=$E2E_WORK/portal.log
PORTAL_PID=

# start_portal MODE [RED GREEN BLUE]
start_portal() {
    "$FAKE_PORTAL" "$@" >"$PORTAL_LOG" &
    PORTAL_PID=$!
    local deadline=$(($(now_ms) + 10000))
    until grep -qx ready "$PORTAL_LOG"; do
        running "$PORTAL_PID" || fail "the stand-in portal ended before it was ready"
        [ "$(now_ms)" -lt "$deadline" ] || fail "the stand-in portal was not ready within 10 s"
        sleep 0.02
    done
}

stop_portal() {
    kill "$PORTAL_PID"
    wait "$PORTAL_PID" 2>/dev/null
    PORTAL_PID=
}

# wait_picks N: until the portal has been asked N times.
wait_picks() {
    local deadline=$(($(now_ms) + 10000))
    until [ "$(grep -c '^PickColor' "$PORTAL_LOG")" -ge "$1" ]; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "the portal was not asked $1 time(s)"
        sleep 0.02
    done
}

# click_at WID X Y: a left click at a point of the window's client area (below the menu bar,
# whose height is what the window has beyond the client area's 286 pixels).
click_at() {
    local WINDOW WIDTH HEIGHT X Y SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --window "$1" "$2" $(($3 + HEIGHT - 286)) click 1 || fail "xdotool could not click"
}
# A second press lands a few pixels away from the first, so it cannot count as a double click.
press_eyedropper() { click_at "$1" "${2:-406}" "${3:-227}"; }

# expect_editor WID HEX: Ctrl+C copies the editor colour, the swatch's.
expect_editor() {
    printf '%s' "$2" >"$E2E_WORK/editor.expected"
    printf 'something else' >"$E2E_WORK/other.txt"
    put_clipboard "$E2E_WORK/other.txt"
    keys_until_clipboard "$1" "$E2E_WORK/editor.expected" ctrl+c
}

# close_and_expect WID PID COLOURS WHAT
close_and_expect() {
    close_with_ctrl_q "$1" "$2"
    [ "$EXIT_CODE" -eq 0 ] || fail "$4: closing ended with $EXIT_CODE"
    first_run_file "$3" >"$E2E_WORK/expected.ini"
    same_bytes "$SETTINGS" "$E2E_WORK/expected.ini" "$4"
}

# The portal's colour reaches the swatch; a click on the swatch applies it to BGCOLOR.
start_portal color 0.2 0.4 0.8
new_app colour
launch WAYLAND_DISPLAY=wayland-0
find_window "$PID" "$MAIN_TITLE" 5000
press_eyedropper "$WID"
wait_picks 1
IFS=' ' read -r _ parent token < <(grep '^PickColor' "$PORTAL_LOG")
[ "$parent" = "x11:$(printf %x "$WID")" ] || fail "parent window '$parent', not x11:$(printf %x "$WID")"
[ -n "$token" ] || fail "no handle_token"
expect_editor "$WID" '#3366CC'
click_at "$WID" 279 34
close_and_expect "$WID" "$PID" '13395507,16777215,16711680,16776960,16711935' "colour picked"
echo "colour picked through the portal: ok"
stop_portal

# Cancelled: nothing changes, and the next press asks again.
start_portal cancel
new_app cancel
launch WAYLAND_DISPLAY=wayland-0
find_window "$PID" "$MAIN_TITLE" 5000
press_eyedropper "$WID"
wait_picks 1
press_eyedropper "$WID" 400 221
wait_picks 2
expect_editor "$WID" '#008080'
close_and_expect "$WID" "$PID" "$DEFAULT_COLOURS" "cancelled"
echo "cancelled pick: ok"
stop_portal

# No portal on the bus: the box, and nothing changes.
new_app none
launch XDG_SESSION_TYPE=wayland
find_window "$PID" "$MAIN_TITLE" 5000
main=$WID
press_eyedropper "$main"
find_window "$PID" "$ERROR_TITLE" 15000
dismiss_box "$WID" "$PID"
expect_editor "$main" '#008080'
close_and_expect "$main" "$PID" "$DEFAULT_COLOURS" "no portal"
echo "no portal: ok"

# Plain X11: the live eyedropper; a press and release without a move loads nothing, and the
# portal is not asked.
start_portal color 0.2 0.4 0.8
new_app x11
launch XDG_SESSION_TYPE=x11
find_window "$PID" "$MAIN_TITLE" 5000
press_eyedropper "$WID"
expect_editor "$WID" '#008080'
close_and_expect "$WID" "$PID" "$DEFAULT_COLOURS" "plain X11"
grep -q '^PickColor' "$PORTAL_LOG" && fail "the portal was asked on plain X11"
stop_portal
echo "portal pick: ok"
