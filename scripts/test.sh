#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in an optimised build,
# once under AddressSanitizer and UndefinedBehaviorSanitizer (LeakSanitizer on); then
# the engine's and the background work's tests under ThreadSanitizer, and each
# fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=$(nproc)
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJIAOYAN_BUILD_TESTS=ON -DJIAOYAN_SANITIZE=
(cd build && ctest --output-on-failure -j "$jobs" --timeout 900)

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DJIAOYAN_BUILD_TESTS=ON -DJIAOYAN_SANITIZE=address,undefined
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs" --timeout 1800)

scripts/build.sh build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJIAOYAN_BUILD_TESTS=ON -DJIAOYAN_SANITIZE=thread
(cd build-tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/../tests/tsan.supp" \
   ctest --output-on-failure -j "$jobs" --timeout 1800 \
   -R '^(ProviderDigests|Crc32|FileReport|DigestEngine|Responsiveness|SingleFilePage|ComparisonPage|KnownValuePage|Hardening)\.')

scripts/fuzz.sh
