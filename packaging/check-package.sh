#!/bin/sh
# Builds the Debian package, installs it with apt, starts the installed program headless and
# sees it stay up, then removes the package again. Needs root; skipped (77) otherwise.
#   check-package.sh BUILD_DIR
set -eu
[ "$(id -u)" -eq 0 ] || { echo "not root: skipped"; exit 77; }
build=$(cd "$1" && pwd)
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/mavlo_*.deb | head -n 1)
dpkg-deb -f "$deb" Depends
env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >/dev/null
trap 'env DEBIAN_FRONTEND=noninteractive apt-get remove -y mavlo >/dev/null' EXIT
test -f /usr/share/applications/org.example.Mavlo.desktop
status=0
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/Mavlo || status=$?
# 124: still running when the time was up, so it came up and stayed.
[ "$status" -eq 124 ] || { echo "the installed program exited with $status"; exit 1; }
echo "installed package starts"
