#!/usr/bin/env bash
# Through the real X clipboard: Ctrl+A puts the BODY tag there, Ctrl+V takes colours from
# what other programs put there (and ignores what is no colour), and the pasted colours
# are the ones written at close and shown at the next start.
# Usage: clipboard_test.sh PROGRAM
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
start_display
new_app app
cases=$E2E_WORK/cases
mkdir "$cases"

body() { printf '<BODY BGCOLOR="#%s" TEXT="#%s" LINK="#%s" VLINK="#%s" ALINK="#%s">' "$@"; }

launch
find_window "$PID" "$MAIN_TITLE" 5000
win=$WID
echo "window shown after ${SHOWN_MS} ms"

body 008080 FFFFFF 0000FF 00FFFF FF00FF >"$cases/start.txt"
keys_until_clipboard "$win" "$cases/start.txt" ctrl+a

# step: NAME CLIPBOARD_FILE EXPECTED_FILE KEYS...: the clipboard holds CLIPBOARD_FILE, the
# user types KEYS, and the clipboard then holds EXPECTED_FILE.
step() {
    local name=$1 input=$2 expected=$3 started
    shift 3
    started=$(now_ms)
    put_clipboard "$input"
    keys_until_clipboard "$win" "$expected" "$@"
    echo "$name: ok ($(($(now_ms) - started)) ms)"
}

# The program's own BODY form comes back exactly. The paste also selects the background
# slot and loads it into the editor, which Ctrl+C shows.
body FFFAF0 2F4F4F 8B0000 4B0082 FF4500 >"$cases/own.txt"
printf '#FFFAF0' >"$cases/own-background.txt"
step "own BODY form" "$cases/own.txt" "$cases/own-background.txt" ctrl+v ctrl+c
keys_until_clipboard "$win" "$cases/own.txt" ctrl+a

# Texts that hold no colour change nothing.
printf 'hello world' >"$cases/words.txt"
printf '<P>no tag here' >"$cases/no-body.txt"
printf 'body { background: #ffffff; }\n' >"$cases/css.txt"
printf '#FFF' >"$cases/short-hex.txt"
printf '   \r\n\t' >"$cases/blanks.txt"
{ printf '<'; head -c 1048576 /dev/zero | tr '\0' 'x'; } >"$cases/huge.txt"
for junk in words no-body css short-hex blanks huge; do
    step "no colour in '$junk'" "$cases/$junk.txt" "$cases/own.txt" ctrl+v ctrl+a
done

# Text cut at a NUL: the attributes after it are missing, so their slots turn black.
printf '<BODY BGCOLOR="#FF0000"\0 TEXT="#00FF00" LINK="#0000FF" VLINK="#FFFF00" ALINK="#00FFFF">' >"$cases/nul.txt"
body FF0000 000000 000000 000000 000000 >"$cases/nul-expected.txt"
step "BODY tag cut at a NUL" "$cases/nul.txt" "$cases/nul-expected.txt" ctrl+v ctrl+a

# A whole page, lower case, CR LF lines, non-ASCII title: the BODY tag inside it counts.
printf '  \r\n<html>\r\n<head><title>配色の見本</title></head>\r\n<body bgcolor="#102030" text="navy"\r\n link="#abcdef" vlink="White" alink="#0A0B0C">\r\n<p>text</p></body></html>\r\n' >"$cases/page.txt"
body 102030 000080 ABCDEF FFFFFF 0A0B0C >"$cases/page-expected.txt"
step "whole HTML page" "$cases/page.txt" "$cases/page-expected.txt" ctrl+v ctrl+a

# A single colour goes to the editor only: Ctrl+C shows it, the BODY tag stays.
printf ' "#ff8000;' >"$cases/single.txt"
printf '#FF8000' >"$cases/single-expected.txt"
step "single colour to the editor" "$cases/single.txt" "$cases/single-expected.txt" ctrl+v ctrl+c
keys_until_clipboard "$win" "$cases/page-expected.txt" ctrl+a
echo "single colour left the slots alone: ok"

# Without any text on the clipboard (only a picture), a paste does nothing.
printf '\x89PNG\r\n\x1a\n' >"$cases/picture.png"
xclip -selection clipboard -t image/png -i <"$cases/picture.png" >/dev/null 2>&1
deadline=$(($(now_ms) + 5000))
until timeout 5 xclip -selection clipboard -o -t TARGETS 2>/dev/null | grep -qx 'image/png'; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "xclip did not offer the picture"
    sleep 0.02
done
keys_until_clipboard "$win" "$cases/page-expected.txt" ctrl+v ctrl+a
echo "clipboard without text: ok"

close_with_ctrl_q "$win" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "closing ended with $EXIT_CODE"
first_run_file '3153936,8388608,15715755,16777215,789258' >"$E2E_WORK/expected.ini"
same_bytes "$SETTINGS" "$E2E_WORK/expected.ini" "settings after the pastes"

# The next run starts with the pasted colours.
launch
find_window "$PID" "$MAIN_TITLE" 5000
keys_until_clipboard "$WID" "$cases/page-expected.txt" ctrl+a
close_with_ctrl_q "$WID" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "closing the second run ended with $EXIT_CODE"
same_bytes "$SETTINGS" "$E2E_WORK/expected.ini" "settings after the second run"
echo "clipboard: ok"
