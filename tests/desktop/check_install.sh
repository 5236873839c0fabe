#!/bin/sh
# Installs the build into a scratch prefix and checks the desktop files a Linux desktop reads.
set -eu
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

id=example.veskora.kestravo
test -x "$prefix/bin/kestravo"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -qx 'Name=KESTRAVO' "$prefix/share/applications/$id.desktop"
grep -qx 'Comment=CHE FIGATA' "$prefix/share/applications/$id.desktop"
grep -q '<release version="1.00"' "$prefix/share/metainfo/$id.metainfo.xml"

# A 32 by 32 PNG: the signature, then the header's width and height.
png="$prefix/share/icons/hicolor/32x32/apps/$id.png"
header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
case "$header" in
    89504e470d0a1a0a0000000d4948445200000020*00000020) ;;
    *) echo "not a 32x32 PNG: $header" >&2; exit 1 ;;
esac
echo "desktop files install and validate"
