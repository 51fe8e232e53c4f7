#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo forum on 127.0.0.1:8380 (or uses one already
# there) and opens Pindora; the forum stops when Pindora exits. Without a display both run under
# Xvfb: once the first page is shown a screenshot is written, its path printed, and Pindora closed.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/run-helpers.sh

FORUM_PORT=8380
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build build -j"$(nproc)" --target pindora pindora-demo-forum

FORUM_PID=""
XVFB_PID=""
PINDORA_PID=""
cleanup() {
  [ -n "$PINDORA_PID" ] && kill "$PINDORA_PID" 2>/dev/null || true
  [ -n "$FORUM_PID" ] && kill "$FORUM_PID" 2>/dev/null && wait "$FORUM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

if forum_answers "$FORUM_PORT"; then
  echo "run.sh: using the forum already on 127.0.0.1:$FORUM_PORT"
else
  build/tools/demo-forum/pindora-demo-forum --port "$FORUM_PORT" >/dev/null &
  FORUM_PID=$!
  wait_for_forum "$FORUM_PORT" 10 || { echo "run.sh: the demo forum did not start" >&2; exit 1; }
fi
export PINDORA_FORUM_HOST="127.0.0.1:$FORUM_PORT"

if [ -n "${DISPLAY:-}" ]; then
  build/app/pindora
  exit $?
fi

start_xvfb
build/app/pindora &
PINDORA_PID=$!
window=$(find_main_window 20) || { echo "run.sh: Pindora's window did not appear" >&2; exit 1; }
shot="$PWD/build/pindora-screenshot.png"
screenshot_when_settled 30 "$shot"
echo "$shot"
close_main_window "$window"
status=0
for ((i = 0; i < 50; i++)); do
  kill -0 "$PINDORA_PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$PINDORA_PID" 2>/dev/null; then
  echo "run.sh: Pindora did not close; stopping it" >&2
else
  wait "$PINDORA_PID" || status=$?
  PINDORA_PID=""
fi
exit "$status"
