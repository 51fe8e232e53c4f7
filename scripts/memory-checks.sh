#!/usr/bin/env bash
# Memory checks of the feed against the demo forum (in the normal build, preset default):
#   1. 500 page loads in a row: resident memory after load 500 within 10% of after load 50;
#   2. valgrind memcheck of a short session (a few loads): no leak from our code.
# Prints the figures. Exits non-zero when either check fails.
set -uo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build build -j"${JOBS:-$(nproc)}" --target memory_tests || exit 1
export QT_QPA_PLATFORM=offscreen
status=0

echo "---- 500 page loads"
PINDORA_MEMORY_LOADS=${LOADS:-500} build/tests/memory/memory_tests || status=1

echo "---- valgrind memcheck, ${SHORT_LOADS:-5} loads"
# Definite and indirect leaks fail the run; "possibly lost" and "still reachable" blocks are
# the libraries' one-time state that lives until exit, not leaks.
log=build/tests/memory/valgrind.log
PINDORA_MEMORY_LOADS=${SHORT_LOADS:-5} valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
    --error-exitcode=3 --num-callers=30 \
    --suppressions=scripts/sanitizers/valgrind.supp --log-file="$log" \
    build/tests/memory/memory_tests || status=1
grep -E "definitely lost|indirectly lost|possibly lost|still reachable|ERROR SUMMARY|suppressed:" "$log" | sed 's/^==[0-9]*== //'
[ $status -eq 0 ] || echo "memory checks FAILED (valgrind log: $log)"
exit $status
