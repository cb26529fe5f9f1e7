#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop needs of it: the
# entry and the metainfo pass their validators, the entry's icon is in the theme at every
# size, and the program's help lies where the program looks for it.
# usage: installed_tree_test.sh <build dir> <app id> <help folder relative to bin>
set -euo pipefail
build=$1 app_id=$2 help_from_bin=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli groff readelf; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh installs it)"
done

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root="$dest/usr"

[ -x "$root/bin/pagetint" ] || fail "no executable bin/pagetint"
# Only system libraries: no search path that reaches beside the program or the current folder.
for program in "$root/bin/pagetint" "$build/pagetint"; do
    ! readelf -d "$program" | grep -E 'R(UN)?PATH' || fail "$program carries a library search path"
done
for doc in README.md LICENSE; do
    [ -s "$root/share/doc/pagetint/$doc" ] || fail "no $doc in share/doc/pagetint"
done
help="$root/bin/$help_from_bin/index.html"
[ -s "$help" ] || fail "the program looks for its help at $help, which is not installed"
grep -q 'href="help.css"' "$help" && [ -s "$(dirname "$help")/help.css" ] ||
    fail "the help page's stylesheet is missing"

desktop="$root/share/applications/$app_id.desktop"
[ -f "$desktop" ] || fail "no desktop entry $app_id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"

metainfo="$root/share/metainfo/$app_id.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo $app_id.metainfo.xml"
# --strict fails on warnings and infos; pedantic hints (the default id's capitals) pass.
out=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) || fail "appstreamcli: $out"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"

# The icon the entry names, as the theme would find it: scalable and every fixed size,
# each PNG as large as its folder says (width and height from the PNG header).
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$app_id" ] || fail "the entry's icon is '$icon', not the app id"
hicolor="$root/share/icons/hicolor"
grep -q '<svg' "$hicolor/scalable/apps/$icon.svg" || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
    png="$hicolor/${size}x${size}/apps/$icon.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [ "$width $height" = "$size $size" ] || fail "the ${size}x${size} icon is ${width}x$height"
done

man="$root/share/man/man1/pagetint.1"
[ -f "$man" ] || fail "no man page"
out=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$man" 2>&1) || fail "groff: $out"
[ -z "$out" ] || fail "the man page has faults: $out"
grep -q '@[A-Z_]*@' "$man" "$desktop" "$metainfo" && fail "an unfilled @VARIABLE@ was installed"
echo "installed tree OK"
