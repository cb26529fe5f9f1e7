# Sourced by the end-to-end scripts: a private copy of the program, a private X display,
# and the few ways a user reaches the running window (keys, clipboard, closing).
# Every wait polls against a deadline, so a slow machine costs time, never a false failure.

# shellcheck disable=SC2034  # the variables set here are read by the scripts that source it

set -u

readonly MAIN_TITLE=' Pagetint'   # the main window's caption, leading blank included
readonly ERROR_TITLE='Pagetint'    # caption of the program's message boxes

E2E_WORK=
E2E_XVFB_PID=
E2E_KEEP=()

fail() {
    echo "FAIL: $*"
    exit 1
}

now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((t / 1000))
}

e2e_cleanup() {
    local status=$? pid file
    # Only jobs that still run: a pid already reaped may belong to someone else by now.
    for pid in $(jobs -p); do
        [ "$pid" = "$E2E_XVFB_PID" ] || kill -9 "$pid" 2>/dev/null
    done
    # Xvfb gets a plain TERM so that it removes its lock file and socket.
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [ "$status" -ne 0 ]; then
        for file in "${E2E_KEEP[@]}"; do
            local kept
            kept=$E2E_OUTER_TMP/pagetint-e2e-$$-$(basename "$file")
            cp "$file" "$kept" && echo "kept for a rerun: $kept"
        done
    fi
    [ -n "$E2E_WORK" ] && rm -rf "$E2E_WORK"
}

# keep_on_failure FILE: a generated input worth having after a failure (random bytes cannot
# be made again).
keep_on_failure() {
    E2E_KEEP+=("$1")
}

# e2e_setup BINARY: a workspace with its own lock folder and temporary folder, so that
# parallel tests and a copy the user runs never meet.
e2e_setup() {
    local binary=$1 tool
    [ -x "$binary" ] || fail "no program at '$binary'"
    for tool in Xvfb xdotool xclip; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
    done
    E2E_BINARY=$binary
    E2E_OUTER_TMP=${TMPDIR:-/tmp}
    E2E_WORK=$(mktemp -d "$E2E_OUTER_TMP/pagetint-e2e.XXXXXX") || fail "no workspace"
    trap e2e_cleanup EXIT
    mkdir -m 700 "$E2E_WORK/runtime" "$E2E_WORK/tmp"
    export XDG_RUNTIME_DIR=$E2E_WORK/runtime
    export TMPDIR=$E2E_WORK/tmp
    unset PAGETINT_EXIT_AFTER_SHOWN
}

# new_app NAME: a fresh folder holding a copy of the program; its settings file is private to it.
# Sets APP (the program) and SETTINGS (its settings file).
new_app() {
    local dir=$E2E_WORK/$1
    mkdir -p "$dir"
    cp "$E2E_BINARY" "$dir/pagetint"
    APP=$dir/pagetint
    SETTINGS=$dir/pagetint.ini
}

use_offscreen() {
    export QT_QPA_PLATFORM=offscreen
    unset DISPLAY
}

# Xvfb picks a free display itself (-displayfd), so parallel tests never race for a number.
# start_display [WIDTHxHEIGHT], 1280x1024 by default.
start_display() {
    local numfile=$E2E_WORK/display deadline
    : >"$numfile"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$numfile" 2>"$E2E_WORK/xvfb.log" &
    E2E_XVFB_PID=$!
    deadline=$(($(now_ms) + 15000))
    until grep -q '^[0-9]' "$numfile"; do
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
        [ "$(now_ms)" -lt "$deadline" ] || fail "Xvfb gave no display within 15 s"
        sleep 0.02
    done
    DISPLAY=:$(head -n 1 "$numfile")
    export DISPLAY
    export QT_QPA_PLATFORM=xcb
}

# start_session_bus CONFIG: a private session bus for the rest of the script.
start_session_bus() {
    local deadline=$(($(now_ms) + 10000))
    command -v dbus-daemon >/dev/null || fail "dbus-daemon is missing (scripts/test installs it)"
    : >"$E2E_WORK/bus"
    dbus-daemon --config-file="$1" --nofork --print-address=3 3>"$E2E_WORK/bus" 2>"$E2E_WORK/bus.log" &
    until grep -q '^unix:' "$E2E_WORK/bus"; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "dbus-daemon gave no address within 10 s"
        sleep 0.02
    done
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_WORK/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# launch [VAR=value...]: starts APP in the background with extra environment; sets PID and
# LAUNCHED_MS.
launch() {
    LAUNCHED_MS=$(now_ms)
    env "$@" "$APP" &
    PID=$!
}

# running PID: true while the process lives (a zombie counts as ended).
running() {
    local state
    { read -r _ _ state _ <"/proc/$1/stat"; } 2>/dev/null || return 1
    [ "$state" != Z ]
}

# Time limits are for the Release build; a sanitizer build runs several times slower, so its
# run stretches them with E2E_TIME_FACTOR.
scaled_ms() {
    echo $(($1 * ${E2E_TIME_FACTOR:-1}))
}

# wait_exit PID LIMIT_MS: waits for the end of PID; sets EXIT_CODE. Fails after LIMIT_MS.
wait_exit() {
    local pid=$1 deadline=$(($(now_ms) + $(scaled_ms "$2")))
    while running "$pid"; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "process $pid still runs after $2 ms"
        sleep 0.02
    done
    wait "$pid" 2>/dev/null
    EXIT_CODE=$?
}

# kill_hard PID: SIGKILL, then reap it; bash's own report of the killed job is expected
# and kept out of the log.
kill_hard() {
    { kill -9 "$1"; wait_exit "$1" 5000; } 2>/dev/null
}

# find_window PID TITLE LIMIT_MS: waits until PID shows a viewable window with exactly TITLE,
# counting from LAUNCHED_MS; sets WID and SHOWN_MS (milliseconds from the launch).
find_window() {
    local pid=$1 title=$2 deadline=$((LAUNCHED_MS + $(scaled_ms "$3")))
    while :; do
        WID=$(xdotool search --all --pid "$pid" --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
        if [ -n "$WID" ]; then
            SHOWN_MS=$(($(now_ms) - LAUNCHED_MS))
            return 0
        fi
        running "$pid" || { wait "$pid"; fail "the program ended with $? before it showed '$title'"; }
        [ "$(now_ms)" -lt "$deadline" ] || fail "no visible window '$title' within $3 ms"
        sleep 0.02
    done
}

# Without a window manager nobody hands out the focus: set it (XSetInputFocus) and wait until
# the server reports it, then type through XTEST as a keyboard would.
press() {
    local wid=$1
    shift
    timeout 5 xdotool windowfocus --sync "$wid" || fail "window $wid would not take the focus"
    xdotool key --clearmodifiers "$@" || fail "xdotool could not send $*"
}

# clipboard_to FILE: the clipboard's text, byte for byte (empty when nobody owns it).
clipboard_to() {
    timeout 5 xclip -selection clipboard -o >"$1" 2>/dev/null || : >"$1"
}

# put_clipboard FILE: xclip owns the clipboard with FILE's bytes until someone else takes it.
put_clipboard() {
    local got=$E2E_WORK/clip.check deadline=$(($(now_ms) + 5000))
    xclip -selection clipboard -i <"$1" >/dev/null 2>&1
    until clipboard_to "$got" && cmp -s "$got" "$1"; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "xclip did not take the clipboard"
        sleep 0.02
    done
}

# keys_until_clipboard WID EXPECTED_FILE KEYS...: types KEYS into the window until the clipboard
# holds EXPECTED_FILE exactly. Every key sequence used with it is idempotent, so a retry after
# a key lost to a focus change does no harm.
keys_until_clipboard() {
    local wid=$1 expected=$2 got=$E2E_WORK/clip.got attempt deadline
    shift 2
    # Holding the expected text already would prove nothing about the keys.
    clipboard_to "$got"
    cmp -s "$got" "$expected" && fail "the clipboard holds the expected text before '$*'"
    for attempt in 1 2 3; do
        press "$wid" "$@"
        deadline=$(($(now_ms) + 3000))
        while [ "$(now_ms)" -lt "$deadline" ]; do
            clipboard_to "$got"
            cmp -s "$got" "$expected" && return 0
            sleep 0.03
        done
        echo "note: after '$*' (attempt $attempt) the clipboard holds: $(head -c 200 "$got" | od -An -c | head -n 4)"
    done
    fail "after '$*' the clipboard never held $(od -An -c "$expected" | head -n 8)"
}

# close_with_ctrl_q WID PID: Ctrl+Q until the program ends (a resend after it has ended is
# harmless); sets EXIT_CODE.
close_with_ctrl_q() {
    local wid=$1 pid=$2 attempt deadline
    for attempt in 1 2 3; do
        running "$pid" || break
        timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || break
        xdotool key --clearmodifiers ctrl+q 2>/dev/null
        deadline=$(($(now_ms) + 5000))
        while running "$pid" && [ "$(now_ms)" -lt "$deadline" ]; do
            sleep 0.02
        done
    done
    wait_exit "$pid" 5000
}

# same_bytes ACTUAL EXPECTED WHAT: byte equality, with the first difference shown on failure.
same_bytes() {
    [ -f "$1" ] || fail "$3: no file $1"
    cmp -s "$1" "$2" && return 0
    echo "--- expected ($3)"
    od -An -c "$2" | head -n 20
    echo "--- actual"
    od -An -c "$1" | head -n 20
    fail "$3: $(cmp "$1" "$2" 2>&1 | head -n 1)"
}

# lock_holder: the pid that holds the one-instance lock, read from /proc/locks so that
# looking never takes the lock (a probe with flock could make a starting copy give up).
lock_holder() {
    local file=$XDG_RUNTIME_DIR/Pagetint_corvel.lock inode
    inode=$(stat -c %i "$file" 2>/dev/null) || return 1
    awk -v inode="$inode" '$2 == "FLOCK" && $4 == "WRITE" {
        n = split($6, id, ":"); if (id[n] == inode) { print $5; exit } }' /proc/locks
}

wait_lock_held_by() {
    local pid=$1 deadline=$(($(now_ms) + $2))
    until [ "$(lock_holder)" = "$pid" ]; do
        running "$pid" || { wait "$pid"; fail "process $pid ended with $? before it took the lock"; }
        [ "$(now_ms)" -lt "$deadline" ] || fail "process $pid did not take the lock within $2 ms"
        sleep 0.02
    done
}

# Shift-JIS bytes of the preview labels' default font name.
readonly FONT_CP932=$'\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e'
readonly DEFAULT_COLOURS='8421376,16777215,16711680,16776960,16711935'

# A file with some text that Shift-JIS cannot hold is written whole as UTF-8 behind a
# byte-order mark; these are the font name and the mark in that form.
readonly FONT_UTF8='ＭＳ Ｐゴシック'
readonly UTF8_BOM=$'\xef\xbb\xbf'

# first_run_file [COLOURS [FONT]]: the file a fresh start writes at close, with COLOURS as
# the colours at exit and FONT as the bytes of the font name.
first_run_file() {
    local colours=${1:-$DEFAULT_COLOURS} font=${2:-$FONT_CP932}
    printf '[Options]\r\nPosition=0,0,0\r\nSort=0\r\nUsename=0\r\nColdq=0\r\nUsecss=0\r\nDigi16=0\r\n'
    printf 'ImgViewer=\r\nFont="%s",11,0,0\r\n\r\n' "$font"
    printf '[Color Set]\r\n_lastend_=%s\r\n\r\n' "$colours"
}

# dismiss_box WID PID [KEY]: KEY (Return by default) on a message box until it is gone or
# the program has ended.
dismiss_box() {
    local wid=$1 pid=$2 key=${3:-Return} attempt deadline
    for attempt in 1 2 3; do
        timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || return 0
        xdotool key --clearmodifiers "$key" 2>/dev/null
        deadline=$(($(now_ms) + 3000))
        while [ "$(now_ms)" -lt "$deadline" ]; do
            running "$pid" || return 0
            xdotool search --all --onlyvisible --pid "$pid" --name "^${ERROR_TITLE}\$" 2>/dev/null | grep -qx "$wid" || return 0
            sleep 0.02
        done
    done
    fail "the message box $wid would not close"
}

# Files in an app folder besides the program and its settings file.
stray_files() {
    find "$(dirname "$APP")" -mindepth 1 -maxdepth 1 ! -name pagetint ! -name pagetint.ini -printf '%f\n'
}
