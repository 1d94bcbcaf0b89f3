#!/usr/bin/env bash
# Runs every fuzz target for a bounded time each (seconds, default 45), from
# its seed corpus in fuzz/corpus/. A finding (crash, leak, undefined
# behaviour) fails the script and leaves its input in build/fuzz/findings/.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-45}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_table_reader fuzz_ktemp_tables fuzz_dae_folder fuzz_option_files)
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"
mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
    echo "== $target (${seconds} s)"
    work=$(mktemp -d)
    build/fuzz/fuzz/"$target" "$work" "fuzz/corpus/$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -artifact_prefix=build/fuzz/findings/"$target"- -print_final_stats=1 2>&1 | tail -n 15 ||
        { rm -rf "$work"; echo "$target: finding in build/fuzz/findings/"; exit 1; }
    rm -rf "$work"
done
