#!/bin/sh
# Installs the build into a scratch prefix and checks what a Linux desktop reads: the entry and
# the AppStream metadata validate, a launcher search finds the entry, and the installed
# program's window carries the class the entry names, so that a dock ties the two together.
#
# Exits 77 (skipped) when Xvfb or the X tools it needs are missing.
set -eu
build_dir=$1
for tool in Xvfb xwininfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: no $tool"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

id=example.veskora.kestravo
entry=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
test -x "$prefix/bin/kestravo"
desktop-file-validate "$entry"
# With its network checks: an address in the metadata must resolve.
appstreamcli validate "$metainfo"
grep -qx 'Name=KESTRAVO' "$entry"
grep -qx 'Comment=CHE FIGATA' "$entry"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
grep -q '<release version="1.00"' "$metainfo"

# Launchers match what is typed against the start of the words of these keys.
words=$(sed -n 's/^\(Name\|GenericName\|Keywords\)=//p' "$entry" | tr 'A-Z' 'a-z' | tr -s '; ' '\n')
for search in dice d20 roll; do
    echo "$words" | grep -q "^$search" || fail "a search for \"$search\" misses the entry"
done

# A 32 by 32 PNG: the signature, then the header's width and height.
png="$prefix/share/icons/hicolor/32x32/apps/$id.png"
header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
case "$header" in
    89504e470d0a1a0a0000000d4948445200000020*00000020) ;;
    *) fail "not a 32x32 PNG: $header" ;;
esac

# The installed program on a private display: its main window's WM_CLASS, as xwininfo shows
# it after the window's name: ("instance" "class").
. "$(dirname "$0")/../wine/xvfb.sh"
start_xvfb 1024x768x24 "$work/display"
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work "$prefix/bin/kestravo" 2>"$work/stderr" &
program_pid=$!
class=""
tries=0
while [ -z "$class" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 600 ] || ! kill -0 "$program_pid" 2>/dev/null; then
        cat "$work/stderr" >&2
        fail "no window named KESTRAVO within 60 s"
    fi
    sleep 0.1
    class=$(xwininfo -root -tree |
        sed -n 's/^ *0x[0-9a-f]* "KESTRAVO": ("[^"]*" "\([^"]*\)").*/\1/p' | head -n 1)
done
grep -qx "StartupWMClass=$class" "$entry" ||
    fail "the window's class \"$class\" is not the entry's StartupWMClass"
echo "desktop files install and validate; the window's class $class matches the entry"
