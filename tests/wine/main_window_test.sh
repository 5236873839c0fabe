#!/bin/sh
# The 64-bit Windows build under Wine, headless: the main window appears maximised, a click on
# "D4" puts a roll into its list, and "ESCI" answered with OK (Return, the default button)
# ends the program with status 0.
#
#   main_window_test.sh EXE PREFIX
#
# Exits 77 (skipped) when the executable, Wine or a tool it needs is missing.
set -eu

if [ "${1:-}" = "--drive" ]; then
    # Runs while the program runs, on the test's own display.
    shot="$2"
    fail() {
        echo "FAILED: $*" >&2
        exit 1
    }
    # The colour of each pixel of a rectangle of a screenshot, one "r g b" line per pixel,
    # row by row.
    pixels() {
        convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | od -An -v -tu1 |
            tr -s ' ' '\n' | grep -v '^$' | paste -d ' ' - - -
    }

    window=$(timeout 60 xdotool search --sync --name '^KESTRAVO$' | head -n 1) ||
        fail "no window named KESTRAVO within 60 s"
    echo "window KESTRAVO: $window"

    # Maximised: the client area spans the screen. Beyond the background picture (1500 pixels
    # across) it shows the window's own colour, red 3, green 0, blue 99; the first row of that
    # colour below the title and menu bars is the client area's top.
    top=""
    tries=0
    while [ -z "$top" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 60 ] || fail "the window did not come up maximised in its colour"
        sleep 0.5
        import -window root "$shot"
        top=$(pixels "$shot" 1560 0 1 200 | awk '$0 == "3 0 99" { print NR - 1; exit }')
    done
    echo "client area top: $top"

    # The first line of List1 (client 160,32, 121 pixels wide) is blank until a roll is in it.
    list_x=164
    list_y=$((top + 34))
    dark_pixels() {
        pixels "$shot" "$list_x" "$list_y" 100 14 | awk '$1 + $2 + $3 < 300 { n++ } END { print n + 0 }'
    }
    [ "$(dark_pixels)" -eq 0 ] || fail "List1 holds text before any roll"

    # "D4": client 24,32, 121 by 41 pixels.
    xdotool mousemove 84 $((top + 52)) click 1
    tries=0
    while [ "$(dark_pixels)" -eq 0 ]; do
        tries=$((tries + 1))
        [ "$tries" -le 40 ] || fail "a click on D4 put nothing into List1"
        sleep 0.5
        import -window root "$shot"
    done
    echo "List1 shows a roll"

    # "ESCI": client 320,464, 225 by 73 pixels; it asks before it closes.
    xdotool mousemove 432 $((top + 500)) click 1
    box=$(timeout 30 xdotool search --sync --name '^USCITA$' | head -n 1) ||
        fail "ESCI showed no box titled USCITA"
    echo "box USCITA: $box"
    sleep 1
    xdotool key Return
    exit 0
fi

if [ $# -ne 2 ]; then
    echo "usage: $0 EXE PREFIX" >&2
    exit 2
fi
exe="$1"
prefix="$2"
skip() {
    echo "skipped: $*"
    exit 77
}
[ -f "$exe" ] || skip "no executable at $exe (make windows builds it)"
[ -x "${WINE:-/usr/lib/wine/wine64}" ] || skip "no wine64"
for tool in Xvfb xdotool import convert od awk paste; do
    command -v "$tool" >/dev/null 2>&1 || skip "no $tool"
done

here="$(cd "$(dirname "$0")" && pwd)"
. "$here/xvfb.sh"
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A screen wider than the background picture, so that the window's own colour shows at its
# right.
start_xvfb 1600x1200x24 "$work/display"
export DISPLAY

# No window manager runs here: Wine places, decorates and maximises the windows itself.
sh "$here/run_under_wine.sh" --timeout 120 "$prefix" reg add \
    'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null

sh "$here/run_under_wine.sh" --timeout 120 \
    --check "sh '$here/main_window_test.sh' --drive '$work/screen.png'" "$prefix" "$exe"
