#!/usr/bin/env bash
# Installed in a folder the user cannot write and run by an ordinary user: Ctrl+Q ends the
# program at once, the settings go to the user's configuration folder (starting from the
# administrator's file beside the program, which stays as it was) and are back at the next
# start. A settings file there that the user may write is written in place instead.
# As root the program runs as uid/gid 65534 from a root-owned folder; otherwise as the
# caller from a folder made read-only.
# Usage: installed_settings_test.sh PROGRAM
. "$(dirname "$0")/e2e_lib.sh"

e2e_setup "$1"
start_display
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || fail "setpriv is missing (util-linux)"
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    owner=65534:65534
else
    run_as=()
    owner=$(id -u):$(id -g)
fi
chmod 711 "$E2E_WORK" # the user reaches its own folders and the program, nothing else
# A sanitizer build reads its suppressions as that user too, perhaps from a folder they
# cannot enter.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$E2E_WORK/lsan.supp" || fail "cannot copy the leak suppressions"
    chmod 644 "$E2E_WORK/lsan.supp"
    export LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$E2E_WORK/lsan.supp}
fi

# The user's folders, theirs alone.
user=$E2E_WORK/user
mkdir -p "$user"
chmod 711 "$user"
for dir in home config runtime tmp; do
    mkdir -m 700 "$user/$dir"
    chown "$owner" "$user/$dir"
done
export HOME=$user/home XDG_CONFIG_HOME=$user/config XDG_RUNTIME_DIR=$user/runtime TMPDIR=$user/tmp
user_file=$XDG_CONFIG_HOME/pagetint/pagetint.ini

# install NAME: the program in NAME/bin, which the user cannot write; sets APP and SETTINGS.
install_app() {
    local bin=$E2E_WORK/$1/bin
    mkdir -p "$bin"
    cp "$E2E_BINARY" "$bin/pagetint"
    chmod 755 "$bin/pagetint" "$E2E_WORK/$1"
    APP=$bin/pagetint
    SETTINGS=$bin/pagetint.ini
}
seal() { chmod 555 "$(dirname "$APP")"; } # as root the folder is root's: 555 changes nothing for the user

launch_as_user() {
    LAUNCHED_MS=$(now_ms)
    "${run_as[@]}" "$APP" &
    PID=$!
}

colour() { echo $((16#${1:0:2} + 256 * 16#${1:2:2} + 65536 * 16#${1:4:2})); }
body() { printf '<BODY BGCOLOR="#%s" TEXT="#%s" LINK="#%s" VLINK="#%s" ALINK="#%s">' "$@"; }
options() {
    printf '[Options]\r\nPosition=0,0,0\r\nSort=0\r\nUsename=0\r\nColdq=0\r\nUsecss=0\r\nDigi16=0\r\n'
    printf 'ImgViewer=\r\nFont="%s",11,0,0\r\n\r\n' "$FONT_CP932"
}

# paste_and_close COLOURS...: puts a BODY tag of COLOURS on the clipboard, pastes it into
# the running program, and closes it with Ctrl+Q, which must end it with 0 at once.
paste_and_close() {
    body "$@" >"$E2E_WORK/pasted.txt"
    printf '#%s' "$1" >"$E2E_WORK/background.txt"
    put_clipboard "$E2E_WORK/pasted.txt"
    find_window "$PID" "$MAIN_TITLE" 10000
    [ "$(stat -c %u:%g "/proc/$PID")" = "$owner" ] || fail "the program does not run as $owner"
    keys_until_clipboard "$WID" "$E2E_WORK/background.txt" ctrl+v ctrl+c
    local asked=$(now_ms)
    close_with_ctrl_q "$WID" "$PID"
    [ "$EXIT_CODE" -eq 0 ] || fail "Ctrl+Q ended the program with $EXIT_CODE"
    echo "closed $(($(now_ms) - asked)) ms after Ctrl+Q"
}

# 1. Root's folder with the administrator's defaults beside the program.
install_app prefix
printf '[Color Set]\r\nHouse style=0,16777215,255,65280,16711680\r\n\r\n' >"$SETTINGS"
chmod 644 "$SETTINGS"
cp "$SETTINGS" "$E2E_WORK/admin.ini"
seal
launch_as_user
paste_and_close FFFAF0 2F4F4F 8B0000 4B0082 FF4500
expected=$E2E_WORK/expected.ini
{
    printf '[Color Set]\r\nHouse style=0,16777215,255,65280,16711680\r\n'
    printf '_lastend_=%s,%s,%s,%s,%s\r\n\r\n' "$(colour FFFAF0)" "$(colour 2F4F4F)" \
        "$(colour 8B0000)" "$(colour 4B0082)" "$(colour FF4500)"
    options
} >"$expected"
same_bytes "$user_file" "$expected" "the user's settings file"
[ "$(stat -c %a "$(dirname "$user_file")")" = 700 ] || fail "the user's settings folder is not private"
same_bytes "$SETTINGS" "$E2E_WORK/admin.ini" "the administrator's file"
[ -z "$(stray_files)" ] || fail "files written beside the program: $(stray_files)"

# The next start shows the pasted colours, and its close writes the same file again.
body FFFAF0 2F4F4F 8B0000 4B0082 FF4500 >"$E2E_WORK/restored.txt"
launch_as_user
find_window "$PID" "$MAIN_TITLE" 10000
keys_until_clipboard "$WID" "$E2E_WORK/restored.txt" ctrl+a
close_with_ctrl_q "$WID" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "the second run ended with $EXIT_CODE"
same_bytes "$user_file" "$expected" "the user's settings file after the second run"
same_bytes "$SETTINGS" "$E2E_WORK/admin.ini" "the administrator's file after the second run"
echo "installed, read-only: ok"

# 2. A settings file the user may write, in a folder they cannot: written in place, and the
# user's own file is left alone.
cp "$user_file" "$E2E_WORK/user-before.ini"
install_app portable
first_run_file >"$SETTINGS"
chown "$owner" "$SETTINGS"
chmod 644 "$SETTINGS"
seal
launch_as_user
paste_and_close 102030 000080 ABCDEF FFFFFF 0A0B0C
first_run_file "$(colour 102030),$(colour 000080),$(colour ABCDEF),$(colour FFFFFF),$(colour 0A0B0C)" \
    >"$expected"
same_bytes "$SETTINGS" "$expected" "the writable file beside the program"
same_bytes "$user_file" "$E2E_WORK/user-before.ini" "the user's file, untouched"
[ -z "$(stray_files)" ] || fail "files left beside the program: $(stray_files)"
echo "writable file in a read-only folder: ok"

# 3. An administrator's file the user cannot read, and no file of the user's own yet: a box
# says so, then the program starts with the defaults and writes the user's file.
export XDG_CONFIG_HOME=$user/config-unreadable
mkdir -m 700 "$XDG_CONFIG_HOME"
chown "$owner" "$XDG_CONFIG_HOME"
install_app unreadable
printf '[Color Set]\r\nHouse style=0,16777215,255,65280,16711680\r\n\r\n' >"$SETTINGS"
chmod 600 "$SETTINGS"
[ "$(id -u)" -eq 0 ] || chmod 000 "$SETTINGS"
seal
launch_as_user
find_window "$PID" "$ERROR_TITLE" 10000
dismiss_box "$WID" "$PID"
find_window "$PID" "$MAIN_TITLE" 10000
close_with_ctrl_q "$WID" "$PID"
[ "$EXIT_CODE" -eq 0 ] || fail "the run after the box ended with $EXIT_CODE"
first_run_file >"$expected"
same_bytes "$XDG_CONFIG_HOME/pagetint/pagetint.ini" "$expected" "the user's file after the box"
echo "unreadable administrator's file: ok"
echo "installed settings: ok"
