#!/usr/bin/env bash
# The benchmark command: builds the benchmarks and measures jiaoyan beside its peers.
#   bench/run.sh [WORKDIR]   (WORKDIR holds the 1 GiB and 4 GiB test files; default /tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DJIAOYAN_BUILD_TESTS=OFF -DJIAOYAN_BUILD_BENCH=ON
work=${1:-/tmp}
cli=build-bench/cli/jiaoyan-cli

echo "== Digests through the provider layer beside the libraries called directly; CRC-32 paths beside zlib"
build-bench/bench/digest_bench --benchmark_min_time=0.5 --benchmark_counters_tabular=true

big="$work/jiaoyan-bench-1g.bin"
if [ ! -f "$big" ] || [ "$(stat -c %s "$big")" -ne 1073741824 ]; then
  head -c 1073741824 /dev/urandom > "$big"
fi
cat "$big" > /dev/null # into the page cache

echo "== 1 GiB in page cache: jiaoyan-cli report beside rhash and sha256sum"
hyperfine --warmup 1 --runs 5 \
  "$cli report $big" \
  "rhash --md5 --sha1 --sha256 --sha512 --crc32 $big" \
  "sha256sum $big"

echo "== Peak memory on a 4 GiB sparse file"
sparse="$work/jiaoyan-bench-4g-sparse.img"
truncate -s 4G "$sparse"
/usr/bin/time -v "$cli" report "$sparse" 2>&1 >/dev/null | grep -E "Maximum resident|Elapsed"
rm -f "$sparse"

echo "== The window: drop-to-report of the same 1 GiB file, and the event loop meanwhile"
for i in 1 2 3; do build-bench/bench/window_bench "$big"; done
hyperfine --warmup 1 --runs 3 "$cli report $big"
