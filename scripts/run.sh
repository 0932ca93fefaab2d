#!/usr/bin/env bash
# Installs what is missing, builds the dialog (release preset) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target cuprena

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display to show the dialog on (DISPLAY is not set)." >&2
    echo "run.sh: ./scripts/xvfb-demo.sh drives it in a virtual X server instead." >&2
    exit 1
fi
exec build/release/src/ui/cuprena
