#!/usr/bin/env bash
# The eyedropper at QT_SCALE_FACTOR=2 over a root window whose every pixel has its own colour:
# dragged to the odd physical pixel (601, 301), the loupe shows it framed in its centre and
# Ctrl+C copies it while the button is held; Right moves the pick to (602, 301), and the
# release leaves exactly that colour in the editor. In a second run Escape gives back #008080.
# Usage: eyedropper_test.sh PROGRAM SCREEN_PATTERN
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
readonly PATTERN=$2
[ -x "$PATTERN" ] || fail "no screen_pattern at '$PATTERN'"
start_display 2560x1600
"$PATTERN" fill || fail "screen_pattern could not paint the root window"
new_app app
# Logical (640, 420) is physical (1280, 840): clear of the picked pixels and of the loupe.
printf '[Options]\r\nPosition=1,640,420\r\n' >"$SETTINGS"

# hex X Y: the pattern's colour at a physical pixel, as ColHex shows it.
hex() {
    printf '#%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $(((($1 >> 8) & 15) | ((($2 >> 8) & 15) << 4)))
}

# until_ok WHAT COMMAND...: polls COMMAND until it succeeds.
until_ok() {
    local what=$1 deadline=$(($(now_ms) + $(scaled_ms 5000)))
    shift
    until "$@" >"$E2E_WORK/last" 2>&1; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "$what: $(cat "$E2E_WORK/last")"
        sleep 0.02
    done
}

# Keys while the button is held go without --clearmodifiers, which would let go of it.
copied() {
    xdotool key ctrl+c
    clipboard_to "$E2E_WORK/clip"
    [ "$(cat "$E2E_WORK/clip")" = "$1" ]
}

# start_pick: the main window focused, the left button held on BitBtn1 (client area
# (396, 217), 20 x 20, twice that in physical pixels), then moved to (601, 301).
start_pick() {
    local WINDOW WIDTH HEIGHT X Y SCREEN
    launch QT_SCALE_FACTOR=2
    find_window "$PID" "$MAIN_TITLE" 5000
    timeout 5 xdotool windowfocus --sync "$WID" || fail "the window would not take the focus"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    xdotool mousemove $((X + 2 * 406)) $((Y + HEIGHT - 2 * (286 - 227))) mousedown 1
    xdotool mousemove 601 301
    until_ok "the loupe around (601, 301)" "$PATTERN" loupe 601 301
}

started=$(now_ms)
start_pick
until_ok "Ctrl+C while held" copied "$(hex 601 301)"
xdotool key Right
until_ok "the loupe after Right" "$PATTERN" loupe 602 301
xdotool mouseup 1
hex 602 301 >"$E2E_WORK/picked"
keys_until_clipboard "$WID" "$E2E_WORK/picked" ctrl+c
close_with_ctrl_q "$WID" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "closing ended with $EXIT_CODE"
echo "pick at (601, 301), Right, release: ok ($(($(now_ms) - started)) ms)"

started=$(now_ms)
start_pick
xdotool key Escape
until_ok "the loupe hidden after Escape" bash -c "! '$PATTERN' loupe 601 301"
xdotool mouseup 1
printf '#008080' >"$E2E_WORK/before"
keys_until_clipboard "$WID" "$E2E_WORK/before" ctrl+c
close_with_ctrl_q "$WID" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "closing the second run ended with $EXIT_CODE"
echo "Escape gives the colour back: ok ($(($(now_ms) - started)) ms)"
