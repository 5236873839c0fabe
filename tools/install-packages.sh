#!/bin/sh
# Installs the Debian packages named on the command line that are missing: with apt-get when
# run as root, otherwise it prints the one line to run.
set -eu
missing=""
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
else
    echo "Some packages are missing. Install them as root with:" >&2
    echo "  apt-get install -y$missing" >&2
    exit 1
fi
