#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DJIAOYAN_BUILD_TESTS=OFF -DJIAOYAN_SANITIZE=
exec build/app/jiaoyan
