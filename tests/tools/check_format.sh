#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it with the
# repository's .clang-format.
set -euo pipefail
cd "$1"
formatter=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$formatter" ] || { echo "clang-format is not installed" >&2; exit 1; }
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 -r "$formatter" --dry-run --Werror
echo "every C++ file is formatted"
