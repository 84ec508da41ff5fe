#!/usr/bin/env bash
# Printing to a PDF file: Corvane against headless Chromium, on the same loopback pages.
#
#   bench/run_print_bench.sh [-n ROUNDS] [-b BUILD_DIR]
#
# Builds corvane if needed (BUILD_DIR defaults to build-bench in the source tree), installs
# Debian's chromium when it is missing (the benchmark's yardstick only; Corvane does not need
# it), then prints a one-screen page and a 20-page page ROUNDS times each (default 5): Corvane as
# a user does it, on a private X display through its File menu and print dialog
# (print_display.py, on the end-to-end tests' harness), timed from the dialog's Print button to
# the complete file; Chromium as `chromium --headless --print-to-pdf`, timed as a whole process.
# Prints the median size and time of each and the ratios Corvane/Chromium against the goal
# (each at most 1.5), and whether pdftotext finds each page's text in Corvane's file.
# Exit status: 0 goals met, 1 a goal missed, 2 a build or a run failed.
# Not a test: its figures depend on the machine and on what else runs on it.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
runs=5
build_dir="$source_dir/build-bench"

while getopts "n:b:h" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    *) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
  esac
done
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
  echo "run_print_bench: ROUNDS must be a positive number" >&2
  exit 2
fi

need=()
command -v chromium >/dev/null || need+=(chromium)
command -v pdftotext >/dev/null || need+=(poppler-utils)
if ((${#need[@]})); then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}" ||
    { echo "run_print_bench: could not install ${need[*]}" >&2; exit 2; }
fi

build_log=$(mktemp)
trap 'rm -f "$build_log"' EXIT
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_SANITIZE=OFF >"$build_log" 2>&1 || { cat "$build_log" >&2; exit 2; }
fi
cmake --build "$build_dir" -j2 --target corvane >"$build_log" 2>&1 || {
  cat "$build_log" >&2
  echo "run_print_bench: build failed" >&2
  exit 2
}

CORVANE_EXECUTABLE="$build_dir/corvane" CORVANE_RESOURCES_DIR="$source_dir/resources" \
  /usr/bin/python3 -B "$here/print_display.py" --rounds "$runs"
