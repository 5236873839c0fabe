#!/bin/sh
# Runs the benchmarks and rewrites the figures section of bench/README.md with their results
# and the machine they came from. Usage: bench/run.sh [build directory]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
work=$(mktemp -d)
xvfb_pid=""
# shellcheck disable=SC2317  # called through the trap
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
# Qt wants a private runtime directory; an empty one of our own keeps the runs alike.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

echo "Rolls through the real main window (offscreen):"
"$build/roll_bench" --benchmark_out="$work/roll.json" --benchmark_out_format=json \
    2>"$work/roll.log"

echo "Start-up against a minimal Qt window, in pairs (a private Xvfb):"
. "$here/../tests/wine/xvfb.sh"
start_xvfb 1280x1024x24 "$work/display"
"$build/startup_bench" --benchmark_out="$work/startup.json" --benchmark_out_format=json \
    2>"$work/startup.log"
kill "$xvfb_pid"
xvfb_pid=""

compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
{
    echo "cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
    echo "cores=$(nproc)"
    echo "memory=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
    echo "kernel=$(uname -sr)"
    echo "compiler=$("$compiler" --version | head -n 1)"
    echo "qt=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo unknown)"
    echo "benchmark=$(dpkg-query -W -f='${Version}' libbenchmark-dev 2>/dev/null || echo unknown)"
    echo "build=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")"
    echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
} >"$work/machine.txt"

python3 "$here/report.py" "$work/roll.json" "$work/startup.json" "$work/machine.txt" \
    "$here/README.md"
echo "Figures written to $here/README.md"
