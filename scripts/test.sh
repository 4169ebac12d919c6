#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in an optimised build,
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=$(nproc)
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j "$jobs" --timeout 900)

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DJIAOYAN_SANITIZE=address,undefined
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs" --timeout 1800)
