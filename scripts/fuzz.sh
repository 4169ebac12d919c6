#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 60) from the corpus in tests/fuzz/corpus. A crash fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DJIAOYAN_BUILD_GUI=OFF -DJIAOYAN_BUILD_TESTS=OFF -DJIAOYAN_BUILD_FUZZ=ON \
  -DJIAOYAN_SANITIZE=address,undefined,fuzzer-no-link
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in uri_list:uri report_path:path; do
  name=${target%%:*}
  corpus=${target##*:}
  mkdir -p "$work/$corpus"
  echo "fuzzing $name for ${seconds}s"
  (cd "$work" && "$OLDPWD/build-fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
     -print_final_stats=1 "$work/$corpus" "$OLDPWD/tests/fuzz/corpus/$corpus" 2>&1 | tail -n 12)
  status=${PIPESTATUS[0]}
  [ "$status" -eq 0 ] || { echo "fuzz_$name found a failure"; exit 1; }
done
echo "fuzzing: no crash found"
