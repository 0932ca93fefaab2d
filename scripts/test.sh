#!/usr/bin/env bash
# Builds everything and runs every test: installs what a fresh Debian machine
# lacks, builds with warnings as errors, runs the test suite, drives the dialog
# in a virtual X server, builds the engine once more without Qt to prove it
# needs none, and fuzzes the pass briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

# The real program in a virtual X server, worked with real keyboard and mouse
# input (about ten seconds); its pictures go to a scratch folder here.
shots=$(mktemp -d)
./scripts/xvfb-demo.sh --build-dir build/ci --shots "$shots"
rm -rf "$shots"

cmake --preset engine
cmake --build --preset engine -j "$jobs"
ctest --preset engine -j "$jobs"

if [ -x scripts/fuzz.sh ]; then
    ./scripts/fuzz.sh 30
fi
