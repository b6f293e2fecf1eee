#!/usr/bin/env bash
# Measures Vellumark on this machine and prints one table: the cipher per character, the
# search of recover against a plain loop over the keystreams of all code numbers, the
# window's keystroke against bare Qt widgets, start-up against a bare Qt window, and memory.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
build-bench/bench/engine_bench --benchmark_format=json --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true >"$out/engine.json"
build-bench/bench/window_bench --benchmark_format=json --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true >"$out/window.json" 2>/dev/null
python3 scripts/bench_table.py "$out" build-bench/bench/startup_probe
rm -rf "$out"
