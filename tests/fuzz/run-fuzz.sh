#!/usr/bin/env bash
# Runs the fuzz target for a bounded time on a fresh working corpus grown from the seeds, and
# prints how many inputs it tried.
set -eu
target=$1 seeds=$2 seconds=$3
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
"$target" -max_total_time="$seconds" -max_len=2048 -print_final_stats=1 "$corpus" "$seeds" 2>&1 |
    grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|crash|Done' || true
exit "${PIPESTATUS[0]}"
