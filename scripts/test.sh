#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, sanitized unit, integration,
# end-to-end). The integration tests run the web engine headless, the end-to-end tests the real
# program under a private X server; their environment is set per test in tests/CMakeLists.txt,
# never in the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
ctest --output-on-failure --timeout 600 "$@"
