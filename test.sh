#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build build -j"$(nproc)"
# Widgets in unit tests draw offscreen; the end-to-end tests start their own Xvfb.
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
