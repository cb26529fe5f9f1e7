#!/usr/bin/env bash
# Settings files that are noise, huge, not valid Shift-JIS, or not files at all: the program
# still shows its window within 5 seconds (or, for a folder, says why it cannot start), ends
# with exit code 0, and writes back what it understood.
# Usage: damaged_settings_test.sh PROGRAM
. "$(dirname "$0")/e2e_lib.sh"

readonly SHOW_LIMIT_MS=5000

e2e_setup "$1"
start_display
inputs=$E2E_WORK/inputs
mkdir "$inputs"

body() { printf '<BODY BGCOLOR="%s" TEXT="%s" LINK="%s" VLINK="%s" ALINK="%s">' "$@"; }
body '#008080' '#FFFFFF' '#0000FF' '#00FFFF' '#FF00FF' >"$inputs/default-body.txt"

# run_with NAME INPUT EXPECTED_BODY: starts over INPUT as the settings file, checks the
# window comes up in time and shows EXPECTED_BODY's colours, and closes with Ctrl+Q.
run_with() {
    local name=$1 input=$2 expected_body=$3
    new_app "$name"
    cp "$input" "$SETTINGS"
    launch
    find_window "$PID" "$MAIN_TITLE" "$SHOW_LIMIT_MS"
    local shown=$SHOWN_MS
    keys_until_clipboard "$WID" "$expected_body" ctrl+a
    close_with_ctrl_q "$WID" "$PID"
    [ "$EXIT_CODE" -eq 0 ] || fail "$name: closing ended with $EXIT_CODE"
    [ -z "$(stray_files)" ] || fail "$name: stray files beside the program: $(stray_files)"
    echo "$name: window after ${shown} ms, closed after $(($(now_ms) - LAUNCHED_MS)) ms"
}

# ends_with_defaults NAME: whatever the noise left as sections comes first; the options and
# colours the program wrote are the defaults, in the file's own encoding.
ends_with_defaults() {
    local expected=$E2E_WORK/$1.expected size
    if [ "$(head -c 3 "$SETTINGS")" = "$UTF8_BOM" ]; then
        first_run_file "$DEFAULT_COLOURS" "$FONT_UTF8" >"$expected"
    else
        first_run_file >"$expected"
    fi
    size=$(stat -c %s "$expected")
    tail -c "$size" "$SETTINGS" >"$expected.tail"
    same_bytes "$expected.tail" "$expected" "$1: the end of the written file"
}

# Noise: NUL bytes included (the text ends at the first), and without them (all of it is read).
head -c 1048576 /dev/urandom >"$inputs/noise.bin"
keep_on_failure "$inputs/noise.bin"
run_with noise "$inputs/noise.bin" "$inputs/default-body.txt"
ends_with_defaults noise

head -c 1200000 /dev/urandom | tr -d '\0' | head -c 1048576 >"$inputs/noise-without-nul.bin"
keep_on_failure "$inputs/noise-without-nul.bin"
[ "$(stat -c %s "$inputs/noise-without-nul.bin")" -eq 1048576 ] || fail "could not make 1 MiB of noise"
run_with noise-without-nul "$inputs/noise-without-nul.bin" "$inputs/default-body.txt"
ends_with_defaults noise-without-nul

# 10 MB of valid lines: 190,000 schemes in no order, sorted for display; the file comes back
# byte for byte (sorting the list never reorders the file).
{
    printf '[Options]\r\nPosition=0,0,0\r\nSort=1\r\nUsename=0\r\nColdq=0\r\nUsecss=0\r\nDigi16=0\r\n'
    printf 'ImgViewer=\r\nFont="%s",11,0,0\r\n\r\n[Color Set]\r\n' "$FONT_CP932"
    LC_ALL=C awk 'BEGIN {
        for (i = 0; size < 10000000; i++) {
            line = sprintf("Scheme %07d=%d,%d,%d,%d,%d\r\n", (i * 7919) % 1000003,
                           i % 16777216, (i * 7) % 16777216, (i * 13) % 16777216,
                           (i * 17) % 16777216, (i * 19) % 16777216)
            printf "%s", line
            size += length(line)
        }
    }'
    printf '_lastend_=3153936,8388608,15715755,16777215,789258\r\n\r\n'
} >"$inputs/big.ini"
body '#102030' '#000080' '#ABCDEF' '#FFFFFF' '#0A0B0C' >"$inputs/big-body.txt"
run_with big "$inputs/big.ini" "$inputs/big-body.txt"
same_bytes "$SETTINGS" "$inputs/big.ini" "big: the file written back"

# Bytes that are no Shift-JIS: each becomes U+FFFD, the valid lines around them still count
# (colour names on, the colours at exit), and since U+FFFD has no Shift-JIS form the file is
# written back as UTF-8 behind a byte-order mark.
{
    printf '[Options]\r\nUsename=1\r\nImgViewer=/opt/view\x81\x20er\r\n'
    printf '[Color Set]\r\nbad\x81\x7fname=1,2,3,4,5\r\nhalf\x82\r\n'
    printf '_lastend_=255,65280,16711680,0,16777215\r\n\r\n\x83'
} >"$inputs/invalid.ini"
body red lime blue black white >"$inputs/invalid-body.txt"
run_with invalid-cp932 "$inputs/invalid.ini" "$inputs/invalid-body.txt"
{
    printf '%s[Options]\r\nUsename=1\r\nImgViewer=/opt/view\xef\xbf\xbd er\r\n' "$UTF8_BOM"
    printf 'Position=0,0,0\r\nSort=0\r\nColdq=0\r\nUsecss=0\r\nDigi16=0\r\n'
    printf 'Font="%s",11,0,0\r\n\r\n' "$FONT_UTF8"
    printf '[Color Set]\r\nbad\xef\xbf\xbd\x7fname=1,2,3,4,5\r\nhalf\xef\xbf\xbd\r\n'
    printf '_lastend_=255,65280,16711680,0,16777215\r\n\xef\xbf\xbd\r\n\r\n'
} >"$inputs/invalid.expected"
same_bytes "$SETTINGS" "$inputs/invalid.expected" "invalid-cp932: the file written back"

# A folder where the settings file should be: the start stops with the error box, the main
# window never shows, and the program ends with 0 once the box is closed.
new_app folder-at-start
mkdir "$SETTINGS"
launch
find_window "$PID" "$ERROR_TITLE" "$SHOW_LIMIT_MS"
box=$WID
[ -z "$(xdotool search --onlyvisible --name "^${MAIN_TITLE}\$")" ] || fail "folder-at-start: the main window showed"
dismiss_box "$box" "$PID"
wait_exit "$PID" 5000
[ "$EXIT_CODE" -eq 0 ] || fail "folder-at-start: ended with $EXIT_CODE"
if [ ! -d "$SETTINGS" ] || [ -n "$(ls -A "$SETTINGS")" ]; then
    fail "folder-at-start: the folder was changed"
fi
echo "folder-at-start: error box, then exit code 0"

# fail_to_save ANSWER_KEY: the settings file cannot be written at Ctrl+Q; the error box is
# closed and the question that follows is answered with ANSWER_KEY.
fail_to_save() {
    launch
    find_window "$PID" "$MAIN_TITLE" "$SHOW_LIMIT_MS"
    main=$WID
    mkdir "$SETTINGS"
    press "$main" ctrl+q
    LAUNCHED_MS=$(now_ms)
    find_window "$PID" "$ERROR_TITLE" 5000
    dismiss_box "$WID" "$PID"
    running "$PID" || fail "$1: the program ended without asking"
    LAUNCHED_MS=$(now_ms)
    find_window "$PID" "$ERROR_TITLE" 5000
    dismiss_box "$WID" "$PID" "$2"
}

# The settings file cannot be written at close: the box says so, the user chooses to close
# anyway, and the program ends at once with nothing written.
new_app folder-close-anyway
fail_to_save folder-close-anyway Return
wait_exit "$PID" 5000
[ "$EXIT_CODE" -eq 0 ] || fail "folder-close-anyway: ended with $EXIT_CODE"
[ -d "$SETTINGS" ] && [ -z "$(ls -A "$SETTINGS")" ] || fail "folder-close-anyway: the folder was changed"
[ -z "$(stray_files)" ] || fail "folder-close-anyway: stray files beside the program: $(stray_files)"
echo "folder-close-anyway: error box, question, closed without writing"

# The same, but the user cancels: the window stays, and the next close (with the way
# cleared) writes the file.
new_app folder-at-close
fail_to_save folder-at-close Escape
running "$PID" || fail "folder-at-close: the program ended although its settings were not written"
xdotool search --all --pid "$PID" --onlyvisible --name "^${MAIN_TITLE}\$" | grep -qx "$main" ||
    fail "folder-at-close: the main window closed"
rmdir "$SETTINGS"
close_with_ctrl_q "$main" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "folder-at-close: ended with $EXIT_CODE"
first_run_file >"$E2E_WORK/first-run.ini"
same_bytes "$SETTINGS" "$E2E_WORK/first-run.ini" "folder-at-close: the file of the second close"
[ -z "$(stray_files)" ] || fail "folder-at-close: stray files beside the program: $(stray_files)"
echo "folder-at-close: error box, window kept, second close wrote the file"
echo "damaged settings: ok"
