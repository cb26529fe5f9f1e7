#!/usr/bin/env bash
# The eyedropper at QT_SCALE_FACTOR=2 over a root window of a colour per pixel: held on BitBtn1
# and dragged to the odd physical pixel (601, 301), the loupe shows it; Right moves to (602, 301)
# and the release leaves exactly that colour in ColHex. In a second run Escape gives back #008080.
# Usage: eyedropper_test.sh PROGRAM SCREEN_PATTERN
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
readonly PATTERN=$2 LOUPE='^ルーペ$'
start_display 2560x1600
"$PATTERN" fill || fail "screen_pattern could not paint the root window"
new_app app
# Logical (640, 420) is physical (1280, 840): clear of the picked pixels and of the loupe.
printf '[Options]\r\nPosition=1,640,420\r\n' >"$SETTINGS"

hex() { printf '#%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $(((($1 >> 8) & 15) | ((($2 >> 8) & 15) << 4))); }

# until_ok WHAT COMMAND...: polls COMMAND until it succeeds.
until_ok() {
    local deadline=$(($(now_ms) + $(scaled_ms 5000)))
    until "${@:2}" >"$E2E_WORK/last" 2>&1; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "$1: $(cat "$E2E_WORK/last")"
        sleep 0.02
    done
}

loupe_id() {
    xdotool search --all --pid "$PID" --onlyvisible --name "$LOUPE"
}

# loupe_shows X Y: the loupe lies right of and below the pointer with (X, Y) in its centre.
loupe_shows() {
    local WINDOW WIDTH HEIGHT X Y SCREEN id
    id=$(loupe_id) || return 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$X" -gt $(($1 + 24)) ] && [ "$Y" -gt $(($2 + 24)) ] &&
        [ "$("$PATTERN" pixel $((X + WIDTH / 2)) $((Y + WIDTH / 2)))" = "$(hex "$1" "$2")" ]
}

# pick KEY EXPECTED: a new run; the left button held on BitBtn1 (client area (396, 217), 20 x 20,
# doubled) and moved to (601, 301); KEY pressed (no --clearmodifiers: it would let go of the
# button), the button released; Ctrl+C then copies EXPECTED, and Ctrl+Q ends the run.
pick() {
    local WINDOW WIDTH HEIGHT X Y SCREEN
    # NOTE: Qt writes a window's WM_NAME in the locale's encoding, which xdotool searches:
    # in the C locale of a clean environment the loupe's Japanese title reads as "???".
    # Japanese desktops run in a UTF-8 locale.
    launch QT_SCALE_FACTOR=2 LC_ALL=C.UTF-8
    find_window "$PID" "$MAIN_TITLE" 5000
    timeout 5 xdotool windowfocus --sync "$WID" || fail "the window would not take the focus"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    xdotool mousemove $((X + 2 * 406)) $((Y + HEIGHT - 2 * (286 - 227))) mousedown 1 mousemove 601 301
    until_ok "the loupe around (601, 301)" loupe_shows 601 301
    xdotool key "$1"
    [ "$1" = Right ] && until_ok "the loupe after Right" loupe_shows 602 301
    [ "$1" = Escape ] && until_ok "the loupe after Escape" eval '! loupe_id'
    xdotool mouseup 1
    printf '%s' "$2" >"$E2E_WORK/expected"
    keys_until_clipboard "$WID" "$E2E_WORK/expected" ctrl+c
    close_with_ctrl_q "$WID" "$PID"
    [ "$EXIT_CODE" -eq 0 ] || fail "closing ended with $EXIT_CODE"
    echo "$1: ok"
}

pick Right "$(hex 602 301)"
pick Escape '#008080'
