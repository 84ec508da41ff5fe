#!/usr/bin/env bash
# Runs a libFuzzer target over its corpus for a while. New inputs go to a temp folder, never into
# the corpus; an input that crashes, leaks or hangs is kept in the artifacts folder and fails the
# run.
#   run_fuzz.sh <fuzzer> <corpus folder> <seconds> <artifacts folder>
set -euo pipefail
fuzzer=$1
corpus=$2
seconds=$3
artifacts=$4

if [ ! -x "$fuzzer" ]; then
  echo "FAILED: the fuzzer was not built. It needs clang++ with libFuzzer and the sanitizer" \
       "runtimes (Debian: clang-14 libclang-rt-14-dev, see scripts/install-deps.sh); configure" \
       "again once they are installed." >&2
  exit 1
fi

new=$(mktemp -d)
trap 'rm -rf "$new"' EXIT
mkdir -p "$artifacts"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$new" "$corpus"
