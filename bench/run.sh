#!/bin/sh
# Runs every benchmark and prints one table: each figure is a median of repeated runs, next to
# the floor it is compared with, measured in the same run.
#
#   bench/run.sh            (IDLE_SECONDS=60 STARTUP_RUNS=21 IDLE_RUNS=3 by default)
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
idle_seconds=${IDLE_SECONDS:-60}
startup_runs=${STARTUP_RUNS:-21}
idle_runs=${IDLE_RUNS:-3}

scripts/install-deps.sh libbenchmark-dev libxcb1-dev xvfb python3
cmake -S . -B build-bench -G Ninja -DMAVLO_BENCH=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench >/dev/null
mavlo=build-bench/bin/Mavlo
bare=build-bench/bench/bare_window

work=$(mktemp -d /tmp/mavlo-bench.XXXXXX)
display=:$((70 + $$ % 9))
Xvfb "$display" -br -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
tests/cups/cupsd-fixture.sh start "$work/cups" Receipt58
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    tests/cups/cupsd-fixture.sh stop "$work/cups"
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
mkdir -m 700 "$work/xdg"
export DISPLAY="$display" CUPS_SERVER="$work/cups/sock" HOME="$work/cups" MAVLO_CUPS_DIR="$work/cups" XDG_RUNTIME_DIR="$work/xdg"
sleep 1

echo "start-up ($startup_runs runs each, alternating)..." >&2
for _ in $(seq "$startup_runs"); do
    build-bench/bench/startup_probe 1 "$mavlo" >> "$work/startup-mavlo"
    build-bench/bench/startup_probe 1 "$bare" >> "$work/startup-bare"
done

echo "print command..." >&2
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_print --benchmark_repetitions=5 \
    --benchmark_format=json > "$work/print.json" 2>/dev/null

cpu_ns() { awk '{print $1}' "/proc/$1/schedstat"; }
echo "idle cost ($idle_runs runs of ${idle_seconds}s, side by side)..." >&2
for _ in $(seq "$idle_runs"); do
    "$mavlo" & m=$!
    "$bare" --clock & b=$!
    sleep 3
    m0=$(cpu_ns "$m"); b0=$(cpu_ns "$b")
    sleep "$idle_seconds"
    m1=$(cpu_ns "$m"); b1=$(cpu_ns "$b")
    kill "$m" "$b"; wait "$m" "$b" 2>/dev/null || true
    echo "$(( (m1 - m0) / idle_seconds )) $(( (b1 - b0) / idle_seconds ))" >> "$work/idle"
done

echo "memory..." >&2
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_memory > "$work/memory" 2>/dev/null

python3 - "$work" <<'PY'
import json, statistics, sys
work = sys.argv[1]
def rows(name):
    return [list(map(float, l.split())) for l in open(f"{work}/{name}") if l.strip()]
sm, sb = rows("startup-mavlo"), rows("startup-bare")
ms = statistics.median(r[0] for r in sm); bs = statistics.median(r[0] for r in sb)
mr = statistics.median(r[1] for r in sm); br = statistics.median(r[1] for r in sb)
bench = {b["run_name"].split("/")[0]: b for b in json.load(open(f"{work}/print.json"))["benchmarks"] if b.get("aggregate_name") == "median"}
pc, lp, rd = (bench[n]["real_time"] for n in ("PrintCommand", "TwoLpSubmissions", "RenderOneVoucher"))
pdf = bench["PrintCommand"].get("pdf_bytes", 0)
idle = rows("idle")
mi = statistics.median(r[0] for r in idle) / 1e6; bi = statistics.median(r[1] for r in idle) / 1e6
mem = {l.split()[0]: l.split() for l in open(f"{work}/memory")}
clock = int(mem["clock_fills"][3]); prints = int(mem["print_commands"][3])
print("| figure | Mavlo | anchor | anchor is | ratio | target |")
print("|---|---|---|---|---|---|")
print(f"| start-up, exec to window painted | {ms:.0f} ms | {bs:.0f} ms | bare Qt window, four line edits | {ms/bs:.2f} | ≤ 1.15 |")
print(f"| print command, both jobs accepted | {pc:.1f} ms | {lp:.1f} ms | two `lp` runs of the same PDFs | {pc/lp:.2f} | ≤ 0.5 |")
print(f"| render one voucher (open, draw, finish; no submission) | {rd:.1f} ms | | PDF of {pdf/1024:.1f} KiB | | |")
print(f"| idle CPU a second, clock ticking | {mi:.2f} ms | {bi:.2f} ms | bare window, one line edit set each second | {mi/bi:.2f} | ≤ 1.1 |")
print(f"| peak resident memory at start | {mr/1024:.1f} MiB | {br/1024:.1f} MiB | bare Qt window | {mr/br:.2f} | |")
print(f"| growth after 100,000 clock fills | {clock} KiB | | | | < 1 MiB |")
print(f"| growth after 1,000 print commands | {prints} KiB | | | | < 1 MiB |")
PY
