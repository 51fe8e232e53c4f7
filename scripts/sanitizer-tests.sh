#!/usr/bin/env bash
# Sanitizer builds of the whole tree and their test runs:
#   asan  AddressSanitizer + UndefinedBehaviorSanitizer (LeakSanitizer on): the whole suite;
#   tsan  ThreadSanitizer: the tests labelled "threads" (feed, faults, form, app) and every
#         test whose name speaks of exiting or closing (the exit routine's tests).
# Usage: scripts/sanitizer-tests.sh [asan] [tsan]   (both when none is named)
# Prints how long each build and each run took. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${JOBS:-$(nproc)}
supp=$root/scripts/sanitizers

# Halt at the first report, so that a report fails its test. Allocation stacks are unwound the
# slow way, through the libraries built without frame pointers, so that a leak suppression can
# name the library function that leaked rather than a whole library.
export ASAN_OPTIONS="abort_on_error=1:halt_on_error=1:detect_leaks=1:check_initialization_order=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp"

status=0
summary=()

timed() {  # timed LABEL COMMAND...: runs COMMAND, records its time and result
    local label=$1 start end rc
    shift
    start=$(date +%s)
    "$@"
    rc=$?
    end=$(date +%s)
    summary+=("$(printf '%-12s %5d s  %s' "$label" $((end - start)) "$([ $rc -eq 0 ] && echo ok || echo "FAILED ($rc)")")")
    [ $rc -eq 0 ] || status=1
    return $rc
}

build() {  # build PRESET
    cmake --preset "$1" >/dev/null && cmake --build "build-$1" -j"$jobs"
}

run_asan() {
    timed "asan build" build asan || return
    # The whole suite; widgets draw offscreen, the end-to-end tests start their own Xvfb.
    timed "asan tests" env QT_QPA_PLATFORM=offscreen \
        ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 600
}

run_tsan() {
    timed "tsan build" build tsan || return
    # ThreadSanitizer slows threads down several times: one test at a time, with room.
    timed "tsan tests" env QT_QPA_PLATFORM=offscreen \
        ctest --test-dir build-tsan --output-on-failure -j1 --timeout 900 -L threads
    timed "tsan exit" env QT_QPA_PLATFORM=offscreen \
        ctest --test-dir build-tsan --output-on-failure -j1 --timeout 900 -LE threads -R 'Exit'
}

kinds=("$@")
[ ${#kinds[@]} -gt 0 ] || kinds=(asan tsan)
for kind in "${kinds[@]}"; do
    case $kind in
        asan) run_asan ;;
        tsan) run_tsan ;;
        *) echo "unknown sanitizer build: $kind" >&2; exit 2 ;;
    esac
done

echo "---- sanitizer builds (jobs: $jobs)"
printf '%s\n' "${summary[@]}"
exit $status
