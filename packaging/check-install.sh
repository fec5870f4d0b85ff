#!/bin/sh
# Installs the build into a staging folder and validates what a desktop reads from it.
#   check-install.sh BUILD_DIR STAGE_DIR
set -eu
build=$1
stage=$2
rm -rf "$stage"
cmake --install "$build" --prefix "$stage/usr" >/dev/null
test -x "$stage/usr/bin/Mavlo"
test -f "$stage/usr/share/icons/hicolor/32x32/apps/org.example.Mavlo.png"
desktop-file-validate "$stage/usr/share/applications/org.example.Mavlo.desktop"
appstreamcli validate --no-net --explain "$stage/usr/share/metainfo/org.example.Mavlo.metainfo.xml"
echo "staged install is valid"
