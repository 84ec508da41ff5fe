#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit (also sanitized, and as an
# unprivileged user for the permission tests), integration, end-to-end, the install, a minute of
# fuzzing the profile file and 20 seconds for each of the three bookmark readers. The integration tests run the web engine headless, the end-to-end tests the real
# program under a private X server; their environment is set per test in tests/CMakeLists.txt,
# never in the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
# A test that fails is run once more before the run counts it as failed: a few end-to-end and
# engine tests still depend on the timing of a loaded machine. Any test that needs the second
# run is a fault to mend, and ctest's output shows it.
ctest --output-on-failure --timeout 600 --repeat until-pass:2 --parallel "$(nproc)" "$@"
