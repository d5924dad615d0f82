#!/usr/bin/env bash
# Runs the fuzz target for a bounded time, starting from the committed corpus (which it
# leaves as it is). A crash fails the test; libFuzzer names the crash input, which belongs in
# fuzz/corpus as a regression case.
#   run_fuzz.sh FUZZER CORPUS_DIR SECONDS
set -euo pipefail
fuzzer=$1
corpus=$2
seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$corpus"/* "$work"/
cd "$work"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work" 2>&1 | tail -n 25
