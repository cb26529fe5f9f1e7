#!/usr/bin/env bash
# The settings file is never half written: the program is killed (SIGKILL) at varied moments
# after Ctrl+Q, and every time the file is the old one or the complete new one.
# Usage: killed_during_close_test.sh PROGRAM [ROUNDS]
. "$(dirname "$0")/e2e_lib.sh"

rounds=${2:-20}
e2e_setup "$1"
start_display
new_app app
old=$E2E_WORK/old.ini
new=$E2E_WORK/new.ini

# settings WITH_COMMENTS: a valid file of some 2 MB, big enough that writing it takes a
# while. The program drops comment lines when it writes, so the version with comments is the
# old file and the one without is what a complete close writes.
settings() {
    local comments=$1
    [ "$comments" = 1 ] && printf '; kept by hand\r\n'
    printf '[Options]\r\nPosition=0,0,0\r\nSort=0\r\nUsename=1\r\nColdq=1\r\nUsecss=0\r\nDigi16=1\r\n'
    printf 'ImgViewer=/usr/bin/viewer\r\nFont="%s",11,0,0\r\n\r\n[Color Set]\r\n' "$FONT_CP932"
    LC_ALL=C awk -v comments="$comments" 'BEGIN {
        for (i = 0; i < 40000; i++) {
            if (comments == 1 && i % 10 == 0)
                printf "; schemes from %d on\r\n", i
            printf "Scheme %05d=%d,%d,%d,%d,%d\r\n", i, (i * 8191) % 16777216, (i * 4099) % 16777216,
                   (i * 2053) % 16777216, (i * 1021) % 16777216, (i * 509) % 16777216
        }
    }'
    printf '_lastend_=255,65280,16711680,0,16777215\r\n\r\n'
}
settings 1 >"$old"
settings 0 >"$new"
cmp -s "$old" "$new" && fail "the old and the new file must differ"

# One complete close first: it writes exactly the new file, and tells how long a close takes.
cp "$old" "$SETTINGS"
launch
find_window "$PID" "$MAIN_TITLE" 5000
timeout 5 xdotool windowfocus --sync "$WID" || fail "no focus"
# xdotool itself takes milliseconds to start and type; the kills below are timed from its
# start too, and run while it types.
sent=$(now_ms)
xdotool key --clearmodifiers --delay 0 ctrl+q &
typist=$!
wait_exit "$PID" 10000
wait "$typist"
close_ms=$(($(now_ms) - sent))
[ "$EXIT_CODE" -eq 0 ] || fail "a complete close ended with $EXIT_CODE"
same_bytes "$SETTINGS" "$new" "the file of a complete close"
[ -z "$(stray_files)" ] || fail "a complete close left stray files: $(stray_files)"
echo "complete close: ${close_ms} ms from Ctrl+Q to the end"

# The first round kills at once, the second a little after a complete close would have ended;
# then each kill halves the span between the latest kill that kept the old file and the
# earliest that found the new one, so the rounds close in on the moment of the write (when
# timing noise makes the two cross, the span reopens by a millisecond).
lo_us=0
hi_us=$((close_ms * 1200))
[ "$hi_us" -ge 5000 ] || hi_us=5000
kept_old=0
kept_new=0
ended_first=0
for ((round = 0; round < rounds; round++)); do
    case $round in
        0) delay_us=0 ;;
        1) delay_us=$hi_us ;;
        *) delay_us=$(((lo_us + hi_us) / 2)) ;;
    esac
    cp "$old" "$SETTINGS"
    launch
    find_window "$PID" "$MAIN_TITLE" 5000
    timeout 5 xdotool windowfocus --sync "$WID" || fail "round $round: no focus"
    xdotool key --clearmodifiers --delay 0 ctrl+q &
    typist=$!
    [ "$delay_us" -gt 0 ] && sleep "$(printf '%d.%06d' $((delay_us / 1000000)) $((delay_us % 1000000)))"
    kill_hard "$PID"
    wait "$typist"
    if cmp -s "$SETTINGS" "$old"; then
        outcome=old
        kept_old=$((kept_old + 1))
        [ "$delay_us" -gt "$lo_us" ] && lo_us=$delay_us
        [ "$lo_us" -lt "$hi_us" ] || hi_us=$((lo_us + 1000))
    elif cmp -s "$SETTINGS" "$new"; then
        outcome=new
        kept_new=$((kept_new + 1))
        [ "$delay_us" -lt "$hi_us" ] && hi_us=$delay_us
        [ "$lo_us" -lt "$hi_us" ] || lo_us=$((hi_us > 1000 ? hi_us - 1000 : 0))
    else
        keep_on_failure "$SETTINGS"
        fail "round $round (kill after ${delay_us} us): the file is neither the old nor the new one ($(stat -c %s "$SETTINGS") bytes)"
    fi
    case $EXIT_CODE in
        137) ;;
        0)
            ended_first=$((ended_first + 1))
            [ "$outcome" = new ] || fail "round $round: a close that ended by itself kept the old file"
            ;;
        *) fail "round $round: the program ended with $EXIT_CODE" ;;
    esac
    echo "round $round: kill after ${delay_us} us, exit code $EXIT_CODE, file $outcome"
done
echo "after $rounds kills: $kept_old old, $kept_new new, $ended_first ended before the kill"

# NOTE: on Linux QSaveFile writes into an unnamed file (O_TMPFILE), links it as
# "pagetint.ini.XXXXXX" and renames that over the old file; a kill between link and rename,
# or anywhere on a file system without O_TMPFILE, leaves that name behind. It loses no
# data, so it is reported, not failed.
strays=$(stray_files)
if [ -n "$strays" ]; then
    echo "note: left beside the program after the kills: $(echo "$strays" | tr '\n' ' ')"
else
    echo "no stray files beside the program"
fi
echo "killed during close: ok"
