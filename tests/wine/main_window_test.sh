#!/bin/sh
# The 64-bit Windows build under Wine, headless, driven by mouse clicks and keys in one run:
# the main window comes up maximised; rolls fill two lists, a "REFRESH" empties its own list
# only, "REFRESH ALL" every list; "ESCI" answered with Escape (Cancel) changes nothing; "????"
# opens the information window with its three labels, a second "????" opens no second one,
# "CHIUDI QUESTA FINESTRA" closes it and "????" opens it again; with it open, "ESCI" answered
# with OK (Return, the default button) closes the main window while the program runs on, and
# closing the information window then ends the program with status 0.
#
#   main_window_test.sh EXE PREFIX
#
# Exits 77 (skipped) when the executable, Wine or a tool it needs is missing.
set -eu

# shellcheck disable=SC2317  # the conditions below run through wait_for
if [ "${1:-}" = "--drive" ]; then
    # Runs while the program runs, on the test's own display.
    shot="$2"
    fail() {
        echo "FAILED: $*" >&2
        exit 1
    }
    # shellcheck source=tests/wine/screen.sh
    . "$(dirname "$0")/screen.sh"

    # The controls used here: Left, Top, Width and Height in twips as the two windows'
    # layouts place them, then the caption.
    places='
    Command1 360 480 1815 615 D4
    Command2 360 2640 1815 615 D6
    Command8 4800 6960 3375 1095 ESCI
    Command9 360 1320 1815 615 REFRESH, under D4
    Command16 4800 8160 3375 2055 REFRESH ALL
    List1 2400 480 1815 2010
    List2 2400 2640 1815 2010
    List3 2400 4800 1815 2010
    List4 2400 6960 1815 2010
    List5 6720 480 1815 2010
    List6 6720 2640 1815 2010
    List7 6720 4800 1815 2010
    Label1 720 480 4935 2655 VESKORA 2004
    Label2 600 2040 5535 1455 PER INFORMAZIONI ...
    Label3 8280 4560 6255 975 CHIUDI QUESTA FINESTRA
    '

    main_colour="3 0 99"  # the main window's own colour
    info_colour="1 0 66"  # the information window's

    # Maximised, a window's client area spans the screen: the first row of its colour below
    # the title (and menu) bar is the client area's top.
    main_up() {
        snap
        main_top=$(client_top "$main_colour")
        [ -n "$main_top" ]
    }
    info_up() {
        snap
        info_top=$(client_top "$info_colour")
        [ -n "$info_top" ]
    }

    # list_inside N: the rectangle inside the frame of ListN. A list box makes itself a whole
    # number of lines high, up to one line shorter than its place: its bottom is left out.
    list_inside() {
        # shellcheck disable=SC2046  # the rectangle's four numbers
        set -- $(rect "List$1" "$main_top")
        echo $(($1 + 3)) $(($2 + 3)) $(($3 - 6)) $(($4 - 24))
    }
    # Which lists of the latest screenshot hold text: a digit a list, List1 first, 1 where
    # dark pixels stand on the white of the list.
    lists() {
        for n in 1 2 3 4 5 6 7; do
            # shellcheck disable=SC2046,SC2016  # the rectangle; the awk condition
            if [ "$(ink $(list_inside "$n") '$1 + $2 + $3 < 300')" -gt 0 ]; then
                printf 1
            else
                printf 0
            fi
        done
    }
    # look N...: a digest of the pixels of lists N... in the latest screenshot.
    look() {
        for n in "$@"; do
            # shellcheck disable=SC2046  # the rectangle's four numbers
            pixels $(list_inside "$n")
        done | md5sum
    }
    # lists_show DIGITS: a fresh screenshot shows the main window in front, its lists as DIGITS.
    lists_show() {
        in_front "$main_colour" "$main_top" && [ "$(lists)" = "$1" ]
    }
    # looks_as DIGEST N...: a fresh screenshot shows the main window in front, lists N... as
    # the digest.
    looks_as() {
        digest="$1"
        shift
        in_front "$main_colour" "$main_top" && [ "$(look "$@")" = "$digest" ]
    }
    # A fresh screenshot shows the information window in front, and yellow text on the first
    # line of each of its three labels.
    info_drawn() {
        in_front "$info_colour" "$info_top" || return 1
        for label in Label1 Label2 Label3; do
            # shellcheck disable=SC2046  # the rectangle's four numbers
            set -- $(rect "$label" "$info_top")
            # shellcheck disable=SC2016  # the awk condition
            [ "$(ink "$1" "$2" "$3" 20 '$1 > 160 && $2 > 160 && $3 < 110')" -ge 20 ] || return 1
        done
    }
    # answer_exit KEY: "ESCI" asks in a box titled USCITA, answered with KEY.
    answer_exit() {
        click Command8 "$main_top"
        wait_for 30 "ESCI showed no box titled USCITA that takes keys" box_has_keyboard USCITA
        xdotool key "$1"
        wait_for 30 "$1 did not close the box USCITA" no_window USCITA
    }

    wait_for 60 "no window KESTRAVO came up" is_shown KESTRAVO
    main=$(shown KESTRAVO | head -n 1)
    wait_for 30 "the main window did not come up maximised in its colour" main_up
    echo "main window $main, client area from row $main_top"
    # The lists are drawn after the window; until then they show black.
    wait_for 30 "the lists did not come up empty" lists_show 0000000

    # Rolls in two lists; the "REFRESH" under "D4" empties List1 and leaves List2 as it was.
    click Command1 "$main_top"
    click Command2 "$main_top"
    wait_for 30 "D4 and D6 did not fill List1 and List2" lists_show 1100000
    list2=$(look 2)
    click Command9 "$main_top"
    wait_for 30 "the REFRESH under D4 did not empty List1 alone" lists_show 0100000
    wait_for 30 "the REFRESH under D4 changed List2" looks_as "$list2" 2
    click Command1 "$main_top"
    wait_for 30 "D4 did not fill the emptied List1" lists_show 1100000
    echo "rolls in List1 and List2; the REFRESH under D4 emptied List1 alone"

    # Cancel: the main window stays, its lists exactly as they were.
    before=$(look 1 2 3 4 5 6 7)
    answer_exit Escape
    wait_for 30 "ESCI answered with Cancel did not leave the window and its lists as they were" \
        looks_as "$before" 1 2 3 4 5 6 7
    [ "$(shown KESTRAVO)" = "$main" ] || fail "ESCI answered with Cancel closed the main window"
    echo "ESCI answered with Cancel left the window and its lists"

    click Command16 "$main_top"
    wait_for 30 "REFRESH ALL did not empty every list" lists_show 0000000
    echo "REFRESH ALL emptied every list"

    # The information window comes up maximised, over the main window.
    click_menu "$main_top"
    wait_for 60 "???? opened no window captioned Form2" is_shown Form2
    info=$(shown Form2)
    wait_for 30 "the information window did not come up maximised in its colour" info_up
    wait_for 30 "the information window did not draw its three labels" info_drawn
    echo "???? opened the information window $info, client area from row $info_top"

    # A second "????" while it is open; the roll after it shows that the click was handled.
    second_menu_handled() {
        [ "$(shown Form2 | wc -l)" -gt 1 ] || lists_show 1000000
    }
    bring_to_front "$main" "$main_colour" "$main_top"
    click_menu "$main_top"
    click Command1 "$main_top"
    wait_for 30 "D4 did not fill List1 after a second ????" second_menu_handled
    [ "$(shown Form2)" = "$info" ] || fail "a second ???? opened another information window"
    echo "a second ???? opened no second window"

    bring_to_front "$info" "$info_colour" "$info_top"
    click Label3 "$info_top"
    wait_for 30 "CHIUDI QUESTA FINESTRA did not close the information window" no_window Form2
    wait_for 30 "the main window did not keep its roll" lists_show 1000000
    echo "CHIUDI QUESTA FINESTRA closed the information window"

    click_menu "$main_top"
    wait_for 60 "???? did not open the information window again" is_shown Form2
    info=$(shown Form2)
    wait_for 30 "the information window opened again did not draw its labels" info_drawn
    echo "???? opened the information window again: $info"

    # The end rule: OK closes the main window, the program runs on with the information
    # window, and closing that ends it.
    bring_to_front "$main" "$main_colour" "$main_top"
    answer_exit Return
    wait_for 30 "ESCI answered with OK did not close the main window" no_window KESTRAVO
    wait_for 30 "the information window went with the main window" info_drawn
    [ "$(shown Form2)" = "$info" ] || fail "the information window changed with the main window"
    echo "ESCI answered with OK closed the main window; the information window stays"
    click Label3 "$info_top"
    wait_for 30 "CHIUDI QUESTA FINESTRA did not close the last window" no_window Form2
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
for tool in Xvfb xdotool import convert od awk paste md5sum; do
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

# The screenshots go into an uncompressed format, quick to write and to read again.
sh "$here/run_under_wine.sh" --timeout 300 \
    --check "sh '$here/main_window_test.sh' --drive '$work/screen.ppm'" "$prefix" "$exe"
