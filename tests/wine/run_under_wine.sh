#!/bin/sh
# Runs a Windows program under 64-bit Wine, headless if need be.
#
#   run_under_wine.sh [--check CMD] [--timeout SECONDS] PREFIX EXE [ARGS...]
#
# PREFIX  Wine prefix directory; created on first use (about 15 s and 700 MB), reused after.
# EXE     the program; it runs to its end, or until --timeout has passed.
# --check a shell command run while the program runs, e.g.
#         'timeout 30 xdotool search --sync --name KESTRAVO'; DISPLAY is set for it.
#
# Without DISPLAY a private Xvfb is started and stopped again. Prints "exit code: N" (and
# "check: M" with --check). Exits with the check's status when it failed, else with N.
# WINE and WINESERVER may name other binaries; the defaults are Debian's wine64 package.
set -eu
. "$(dirname "$0")/xvfb.sh"

check=""
timeout_seconds=""
while [ $# -gt 0 ]; do
    case "$1" in
        --check) check="$2"; shift 2 ;;
        --timeout) timeout_seconds="$2"; shift 2 ;;
        --) shift; break ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
done
if [ $# -lt 2 ]; then
    echo "usage: $0 [--check CMD] [--timeout SECONDS] PREFIX EXE [ARGS...]" >&2
    exit 2
fi
prefix="$1"
exe="$2"
shift 2

WINE="${WINE:-/usr/lib/wine/wine64}"
WINESERVER="${WINESERVER:-/usr/lib/wine/wineserver}"
mkdir -p "$prefix"
WINEPREFIX="$(cd "$prefix" && pwd)"
WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or HTML engine: Wine would otherwise offer to install them into a new prefix.
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINE WINESERVER WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

xvfb_pid=""
display_file=""
# shellcheck disable=SC2317  # called through the trap
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [ -n "$display_file" ]; then rm -f "$display_file"; fi
}
trap cleanup EXIT INT TERM

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display itself and writes its number to the file.
    display_file="$(mktemp)"
    start_xvfb 1280x1024x24 "$display_file"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot --init >/dev/null 2>&1
    "$WINESERVER" -w
fi

if [ -n "$timeout_seconds" ]; then
    timeout "$timeout_seconds" "$WINE" "$exe" "$@" &
else
    "$WINE" "$exe" "$@" &
fi
program_pid=$!

check_status=0
if [ -n "$check" ]; then
    sh -c "$check" || check_status=$?
    # After a failed check the program may wait for input that never comes: end it now rather
    # than at the time-out.
    if [ "$check_status" -ne 0 ]; then "$WINESERVER" -k 2>/dev/null || true; fi
fi

exit_code=0
wait "$program_pid" || exit_code=$?
"$WINESERVER" -w
echo "exit code: $exit_code"
if [ -n "$check" ]; then
    echo "check: $check_status"
    if [ "$check_status" -ne 0 ]; then exit "$check_status"; fi
fi
exit "$exit_code"
