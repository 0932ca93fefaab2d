#!/usr/bin/env bash
# Builds everything and runs every test: installs what a fresh Debian machine
# lacks, builds the engine without Qt to prove it needs none, fuzzes the pass
# briefly, builds everything with warnings as errors, drives the dialog in a
# virtual X server, and runs the whole test suite last.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
cmake --preset engine
cmake --build --preset engine -j "$jobs"
ctest --preset engine -j "$jobs"

./scripts/fuzz.sh 30

cmake --preset ci
cmake --build --preset ci -j "$jobs"

# The real program in a virtual X server, worked with real keyboard and mouse
# input (about ten seconds); its pictures go to a scratch folder here.
shots=$(mktemp -d)
./scripts/xvfb-demo.sh --build-dir build/ci --shots "$shots"
rm -rf "$shots"

ctest --preset ci -j "$jobs"
