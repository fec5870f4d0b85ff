#!/bin/sh
# Regenerates the README's pictures from the program as it is now: the window under Xvfb
# (docs/window.png) and a voucher printed on the virtual receipt queue (docs/voucher.png).
# Needs a build (build/bin/Mavlo); installs Xvfb, ImageMagick and xdotool if missing.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh xvfb imagemagick xdotool x11-utils

work=$(mktemp -d /tmp/mavlo-pictures.XXXXXX)
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 900x700x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
tests/cups/cupsd-fixture.sh start "$work/cups" Receipt58
cleanup() {
    kill "${app:-}" "$xvfb" 2>/dev/null || true
    tests/cups/cupsd-fixture.sh stop "$work/cups"
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

export DISPLAY="$display"
sleep 1
CUPS_SERVER="$work/cups/sock" build/bin/Mavlo &
app=$!
window=
for _ in $(seq 50); do
    window=$(xdotool search --name '^支持所有' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1.5 # let the clock tick once

mkdir -p docs
# The button in its hovered face, as the operator sees it just before the click.
xdotool mousemove --window "$window" 252 396
sleep 0.3
import -window "$window" docs/window.png
xdotool click 1
for _ in $(seq 50); do
    [ -e "$work/cups/spool/d00001-001" ] && break
    sleep 0.1
done
pdftoppm -r 150 -png -singlefile "$work/cups/spool/d00001-001" "$work/voucher"
convert "$work/voucher.png" -trim -bordercolor white -border 20 docs/voucher.png
echo "docs/window.png and docs/voucher.png written"
