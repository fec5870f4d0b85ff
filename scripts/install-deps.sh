#!/bin/sh
# Installs the Debian 12 packages the program needs to build, run and be tested, and any
# named on the command line, where they are missing. Runs apt as root, through sudo when needed.
#   install-deps.sh [PACKAGE...]
set -eu

packages="
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  qt6-base-dev libcups2-dev libjpeg62-turbo-dev
  fonts-liberation2 fonts-wqy-microhei fonts-arphic-uming
  cups-daemon cups-client poppler-utils locales
  dpkg-dev file desktop-file-utils appstream
  $*
"

missing=
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

as_root=
[ "$(id -u)" -eq 0 ] || as_root=sudo
echo "Installing:$missing"
$as_root apt-get update
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
