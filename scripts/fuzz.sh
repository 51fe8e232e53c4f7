#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each one in turn for the given
# number of seconds, starting from a working copy of its committed seed corpus under
# tests/fuzz/corpus/<target>/ (the committed corpus stays small). Prints, per target, the runs,
# the coverage at the start and the end, the inputs that added coverage and the crashes; exits
# non-zero when any target crashed. Inputs under tests/fuzz/regressions/<target>/ are replayed
# first. Crashing inputs are kept in build-fuzz/findings/<target>/.
#
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift $(( $# > 0 ? 1 : 0 ))

# The longest input each target is given: addresses, header blocks and cookie texts are short,
# pages and config files longer.
declare -A max_len=(
  [fuzz_text]=1024
  [fuzz_url]=512
  [fuzz_header_hooks]=4096
  [fuzz_merge_cookies]=2048
  [fuzz_config_ini]=4096
  [fuzz_cp936]=4096
  [fuzz_feed_pattern]=16384
  [fuzz_regex_object]=2048
  [fuzz_chop_line]=1024
)
if (( $# > 0 )); then
  targets=("$@")
else
  targets=()
  for dir in tests/fuzz/corpus/*/; do
    name=$(basename "$dir")
    [[ -f tests/fuzz/$name.cpp ]] && targets+=("$name")
  done
fi

cmake --preset fuzz >/dev/null || exit 2
cmake --build build-fuzz -j2 --target "${targets[@]}" >/dev/null || { echo "build failed"; exit 2; }

work=$(mktemp -d)
# The config.ini target writes its file on every run: keep that in memory when possible.
scratch=$(mktemp -d /dev/shm/pindora-fuzz.XXXXXX 2>/dev/null) || scratch=$work
trap 'rm -rf "$work" "$scratch"' EXIT

failed=0
printf '%-20s %8s %10s %10s %6s %8s\n' target seconds runs coverage new crashes
for target in "${targets[@]}"; do
  corpus=$work/$target/corpus
  mkdir -p "$corpus" "$work/$target/artifacts"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null
  log=$work/$target/log
  # Inputs that once crashed the target are replayed first.
  if [[ -d tests/fuzz/regressions/$target ]]; then
    TMPDIR=$scratch build-fuzz/tests/fuzz/"$target" tests/fuzz/regressions/"$target"/* >"$work/$target/replay" 2>&1 ||
      { echo "$target: a regression input fails again"; cat "$work/$target/replay"; failed=1; }
  fi
  TMPDIR=$scratch build-fuzz/tests/fuzz/"$target" "$corpus" \
    -max_total_time="$seconds" -max_len="${max_len[$target]:-4096}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/$target/artifacts/" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  new=$(sed -n 's/^stat::new_units_added: *//p' "$log")
  start=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$')
  end=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
  crashes=$(find "$work/$target/artifacts" -type f | wc -l)
  if (( status != 0 || crashes > 0 )); then
    failed=1
    (( crashes == 0 )) && crashes=1
    mkdir -p build-fuzz/findings/"$target"
    cp "$work/$target/artifacts"/* build-fuzz/findings/"$target"/ 2>/dev/null
    cp "$log" build-fuzz/findings/"$target"/log
  fi
  printf '%-20s %8s %10s %10s %6s %8s\n' "$target" "$seconds" "${runs:-?}" "${start:-?}->${end:-?}" "${new:-?}" "$crashes"
done
(( failed )) && echo "crashes kept in build-fuzz/findings/"
exit $failed
