#!/usr/bin/env bash
# Builds everything and runs every test: installs what a fresh Debian machine
# lacks, builds with warnings as errors, runs the test suite, builds the engine
# once more without Qt to prove it needs none, and fuzzes the pass briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

cmake --preset engine
cmake --build --preset engine -j "$jobs"
ctest --preset engine -j "$jobs"

if [ -x scripts/fuzz.sh ]; then
    ./scripts/fuzz.sh 30
fi
