# shellcheck shell=sh disable=SC2154  # $shot and $places come from the script that sources this
# Sourced: looking at the test's X display and acting on it as a user would.
#
# Needs $shot, the file that holds the latest screenshot; $places, a line "NAME LEFT TOP WIDTH
# HEIGHT ..." for each control, in twips within its window's client area; and fail MESSAGE.

# Takes a screenshot of the whole display into $shot.
snap() {
    import -window root "$shot"
}

# The colour of each pixel of a rectangle of the latest screenshot, one "r g b" line per pixel,
# row by row: pixels X Y WIDTH HEIGHT.
pixels() {
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | od -An -v -tu1 |
        tr -s ' ' '\n' | grep -v '^$' | paste -d ' ' - - -
}

# wait_for SECONDS WHAT COMMAND [ARGS...]: runs COMMAND until it succeeds; fails with "WHAT"
# once SECONDS have passed without.
wait_for() {
    limit=$(($(date +%s) + $1))
    what="$2"
    shift 2
    until "$@"; do
        [ "$(date +%s)" -lt "$limit" ] || fail "$what"
        sleep 0.2
    done
}

# The ids of the shown windows captioned exactly TITLE; fails when there is none.
shown() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
}

is_shown() {
    shown "$1" >/dev/null
}

no_window() {
    ! is_shown "$1"
}

# has_keyboard WINDOW: the window has the input focus, so that keys reach it.
has_keyboard() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# box_has_keyboard TITLE: a box captioned TITLE is up and has the keyboard.
box_has_keyboard() {
    box=$(shown "$1" | head -n 1) && has_keyboard "$box"
}

# rect CONTROL TOP: "x y width height" on screen of CONTROL in a window whose client area starts
# at row TOP; 15 twips are one pixel. The windows are maximised, so the client area's left edge
# is the screen's.
rect() {
    echo "$places" | awk -v name="$1" -v top="$2" \
        '$1 == name { print $2 / 15, top + $3 / 15, $4 / 15, $5 / 15 }'
}

# click CONTROL TOP: a left click at the middle of CONTROL.
click() {
    # shellcheck disable=SC2046  # the rectangle's four numbers
    set -- $(rect "$1" "$2")
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}

# click_menu TOP: a left click on the first entry of the menu bar just above row TOP.
click_menu() {
    xdotool mousemove 16 $(($1 - 10)) click 1
}

# client_top COLOUR: the first row, down to 200, where the latest screenshot shows COLOUR ("r g
# b") at column 1560. The screen is wider than the background picture (1500 pixels), so there
# the client area of a maximised window shows the window's own colour.
client_top() {
    pixels 1560 0 1 200 | awk -v colour="$1" '$0 == colour { print NR - 1; exit }'
}

# in_front COLOUR TOP: a fresh screenshot shows, in front, the window of that colour whose client
# area starts at row TOP.
in_front() {
    snap
    [ "$(client_top "$1")" = "$2" ]
}

# ink X Y WIDTH HEIGHT CONDITION: how many pixels of the rectangle meet the awk CONDITION on
# their red ($1), green ($2) and blue ($3).
ink() {
    pixels "$1" "$2" "$3" "$4" | awk "$5 { n++ } END { print n + 0 }"
}

# bring_to_front WINDOW COLOUR TOP: what a user does through the taskbar, which this display
# lacks. The window is raised, and a click on its background picture, where no control lies,
# activates it; COLOUR and TOP are the window's for in_front.
bring_to_front() {
    xdotool windowraise "$1"
    wait_for 30 "window $1 did not come to the front" in_front "$2" "$3"
    xdotool mousemove 1000 $(($3 + 600)) click 1
    wait_for 30 "window $1 did not take the keyboard" has_keyboard "$1"
}
