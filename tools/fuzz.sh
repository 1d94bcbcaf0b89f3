#!/usr/bin/env bash
# Runs the table/index reader fuzzer for a bounded time, seeded with the
# fixture tables (ours and, when present, the shared ones).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_table_reader
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
find tests/data examples ../shared/fixtures/dbf -type f \( -iname '*.dbf' -o -iname '*.mdx' \) \
    -exec cp {} "$corpus"/ \; 2>/dev/null || true
build/fuzz/fuzz/fuzz_table_reader "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1
