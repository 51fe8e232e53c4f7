#!/usr/bin/env bash
# Builds the benchmarks in release mode (build-release), runs them all and prints one line per
# figure: name, value, unit, and beside it the baseline it is compared with, if any.
#
# Where figures come from:
# - Google Benchmark programs (listed in `programs`): each benchmark gives the median of its
#   repetitions. A benchmark named "<figure>/<label>" is the baseline of "<figure>".
# - Script steps: a step measures something itself and calls `figure NAME VALUE UNIT` (or runs a
#   program that prints "NAME<TAB>VALUE<TAB>UNIT"); a name "<figure>/<label>" is again a baseline.
# Environment: BENCH_REPETITIONS (default 10), BENCH_JOBS (build jobs, default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions=${BENCH_REPETITIONS:-10}
programs=(paint_bench feed_bench)

cmake --preset release >/dev/null
cmake --build build-release -j"${BENCH_JOBS:-2}" --target "${programs[@]}" startup_bench pindora >/dev/null

rows=$(mktemp)
trap 'rm -f "$rows"' EXIT

# figure NAME VALUE UNIT
figure() { printf '%s\t%s\t%s\n' "$1" "$2" "$3" >>"$rows"; }

# The medians of one Google Benchmark program, as figures.
benchmark_figures() {
  "build-release/bench/$1" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '$1 ~ /_median"$/ {
      name = $1; gsub(/"/, "", name); sub(/_median$/, "", name); sub(/\/(real|manual)_time$/, "", name)
      printf "%s\t%s\t%s\n", name, $3, $5 }' >>"$rows"
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for program in "${programs[@]}"; do benchmark_figures "$program"; done

# Start-up: exec to the first painted window, on an Xvfb of its own.
source scripts/run-helpers.sh
start_xvfb
build-release/bench/startup_bench build-release/app/pindora "$repetitions" >>"$rows" ||
  echo "bench: the start-up figure could not be measured" >&2
kill "$XVFB_PID" 2>/dev/null || true

# value of figure $1 / value of figure $2, from the figures so far
ratio_of() {
  awk -F'\t' -v a="$1" -v b="$2" '$1 == a { x = $2 } $1 == b { y = $2 } END { if (x && y) printf "%.2f", x / y }' "$rows"
}
# The feed load against its physical floor (the baseline ratio is printed beside feed.load).
figure feed.load-over-floor "$(ratio_of feed.load feed.floor)" x

echo "load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
awk -F'\t' '
  function shown(v) { return v >= 100 ? sprintf("%.0f", v) : v >= 10 ? sprintf("%.1f", v) : sprintf("%.2f", v) }
  { order[++n] = $1; value[$1] = $2; unit[$1] = $3
    slash = index($1, "/")
    if (slash) { base = substr($1, 1, slash - 1); baseline[base] = $1 } }
  END {
    for (i = 1; i <= n; ++i) {
      name = order[i]; slash = index(name, "/")
      if (slash && (substr(name, 1, slash - 1) in value)) continue  # printed beside its figure
      line = sprintf("%-28s %8s %s", name, shown(value[name]), unit[name])
      if (name in baseline) {
        b = baseline[name]
        line = line sprintf("  (%s %s %s, %.1fx)", substr(b, index(b, "/") + 1), shown(value[b]), unit[b],
                            value[b] / value[name])
      }
      print line
    }
  }' "$rows"
