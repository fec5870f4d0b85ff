#!/bin/sh
# Runs the program against a virtual 58 mm receipt printer, for a machine without one.
#
#   scripts/try-without-printer.sh [FOLDER]
#
# Starts a private CUPS scheduler (the system's own CUPS set-up is left alone) whose default
# queue is a virtual 58 mm receipt printer, and starts the program against it. Every voucher
# the queue receives is kept in FOLDER (default: ./vouchers) as voucher-00001.pdf, ...
# Closing the window stops the scheduler.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-vouchers}" && cd "${1:-vouchers}" && pwd)
program=${MAVLO:-$top/build/bin/Mavlo}
[ -x "$program" ] || program=$(command -v Mavlo || true)
if [ -z "$program" ]; then
    echo "Mavlo is not built: run the README's build command first." >&2
    exit 1
fi

cups=$(mktemp -d /tmp/mavlo-cups.XXXXXX)
"$top/tests/cups/cupsd-fixture.sh" start "$cups" Receipt58

collect() {
    for doc in "$cups"/spool/d*-001; do
        [ -e "$doc" ] || continue
        n=$(basename "$doc" | sed 's/^d0*\([0-9]*\)-001$/\1/')
        target=$(printf '%s/voucher-%05d.pdf' "$out" "$n")
        [ -e "$target" ] || { cp "$doc" "$target" && chmod 644 "$target"; }
    done
}

(while [ -d "$cups/spool" ]; do collect; sleep 0.5; done) &
collector=$!
cleanup() {
    kill "$collector" 2>/dev/null || true
    collect
    "$top/tests/cups/cupsd-fixture.sh" stop "$cups"
    rm -rf "$cups"
}
trap cleanup EXIT INT TERM

echo "Virtual receipt printer ready; vouchers go to $out"
CUPS_SERVER="$cups/sock" "$program"
