#!/usr/bin/env bash
# Runs every benchmark once, in one go, and prints a short table of the
# figures the README quotes: CPU time per action, in milliseconds.
#   tools/bench-summary.sh [build-folder]
set -euo pipefail
build=${1:-build}
cmake --build "$build" -j "$(nproc)" > /dev/null
export QT_QPA_PLATFORM=offscreen
for bench in "$build"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  out=$("$bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
                 --benchmark_format=csv --benchmark_color=false 2>/dev/null)
  # A benchmark with a summary of its own prints it after its table.
  sed -n '/^Invoice page/,$p' <<<"$out" | sed 's/^/  /'
  awk -F, 'NR > 1 && $1 ~ /_median"$/ {
               name = $1; gsub(/"|_median/, "", name)
               unit = $5; cpu = $4
               if (unit == "ns") cpu /= 1e6; else if (unit == "us") cpu /= 1e3; else if (unit == "s") cpu *= 1e3
               printf "  %-60s %9.3f ms\n", name, cpu }' <<<"$out"
done
