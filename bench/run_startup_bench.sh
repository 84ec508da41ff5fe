#!/usr/bin/env bash
# Start-up speed and memory of Corvane against a bare two-view web engine program.
#
#   bench/run_startup_bench.sh [-n ROUNDS] [-b BUILD_DIR] [-s] [-o]
#
# Builds corvane, bare_bench and plain_window if needed (BUILD_DIR defaults to build-bench in
# the source tree) and runs them ROUNDS times each (default 9), alternating which goes first, as
# a user runs them: the real executables on one private X display (Xvfb), a fresh home folder
# and session bus each time, the first window's mapping, each page's load and the splash's
# closing seen from outside (startup_display.py). Prints the median, minimum and maximum of each
# figure and checks them against the goals:
#   first pixel: process start to the splash mapped <= 100 ms, and <= 2 x the plain Qt Widgets
#                window's process start to mapped;
#   start-up:    process start to both panes loaded <= 2250 ms (two of them the splash's);
#   load time:   Corvane's splash-closed-to-both-panes-loaded <= 0.25 x the bare program's
#                process-start-to-both-loaded;
#   memory:      the PSS of Corvane's whole process tree at most 5% above the bare program's.
# -s has the bare program draw its pages in software too, as Corvane does where OpenGL runs on
#    the CPU (as on Xvfb): like for like, where by default the yardstick is the bare program as
#    it comes.
# -o also runs the older in-process variant offscreen (startup_bench), for comparison only.
# Exit status: 0 every goal met, 1 a goal missed, 2 a build or a run failed.
# Not a test: its figures depend on the machine and on what else runs on it; trust them only
# when the load average is below 1.5.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
runs=9
offscreen=0
bare_flags=()
build_dir="$source_dir/build-bench"

while getopts "n:b:soh" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    s) bare_flags=(--bare-software) ;;
    o) offscreen=1 ;;
    *) sed -n '2,26p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
  esac
done
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
  echo "run_startup_bench: ROUNDS must be a positive number" >&2
  exit 2
fi

build_log=$(mktemp)
trap 'rm -f "$build_log"' EXIT
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_SANITIZE=OFF >"$build_log" 2>&1 || { cat "$build_log" >&2; exit 2; }
fi
cmake --build "$build_dir" -j2 --target corvane corvane_engine startup_bench bare_bench \
  plain_window >"$build_log" 2>&1 || {
  cat "$build_log" >&2
  echo "run_startup_bench: build failed" >&2
  exit 2
}

/usr/bin/python3 -B "$here/startup_display.py" --rounds "$runs" \
  --corvane "$build_dir/corvane" --bare "$build_dir/bench/bare_bench" \
  --plain "$build_dir/bench/plain_window" --resources "$source_dir/resources" \
  --load-goal 0.25 --pss-goal 1.05 "${bare_flags[@]}"
status=$?
((status > 1)) && exit 2
((offscreen)) || exit $status

echo
echo "In process, offscreen (for comparison; the goals are judged on the display above):"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_CHROMIUM_FLAGS=${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores (other work slows both programs, not always alike)"
others=$(pgrep -c -f QtWebEngineProcess || true)
if [[ ${others:-0} -gt 0 ]]; then
  echo "note: $others other web engine processes are running; they share libraries with the" \
       "benchmarks and lower every PSS figure, so memory varies from run to run."
fi

declare -a bare_load bare_pss bare_uss corvane_load corvane_pss corvane_uss

# Runs one benchmark and appends its figures to the arrays named after it.
run_one() {
  local name=$1 line
  line=$("$build_dir/bench/${name}_bench" 2>/dev/null | grep "^${name/startup/corvane} ")
  if [[ -z $line ]]; then
    echo "run_startup_bench: ${name}_bench failed; run it with BENCH_VERBOSE=1 to see why" >&2
    exit 2
  fi
  echo "  $line"
  local key=${name/startup/corvane}
  local load pss uss
  load=$(sed -n 's/.*load_ms=\([0-9.]*\).*/\1/p' <<<"$line")
  pss=$(sed -n 's/.*pss_kb=\([0-9]*\).*/\1/p' <<<"$line")
  uss=$(sed -n 's/.*uss_kb=\([0-9]*\).*/\1/p' <<<"$line")
  eval "${key}_load+=(\"$load\"); ${key}_pss+=(\"$pss\"); ${key}_uss+=(\"$uss\")"
}

median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "$runs runs of each, alternating:"
for ((i = 1; i <= runs; ++i)); do
  if ((i % 2)); then run_one bare; run_one startup; else run_one startup; run_one bare; fi
done

b_load=$(median "${bare_load[@]}"); c_load=$(median "${corvane_load[@]}")
b_pss=$(median "${bare_pss[@]}"); c_pss=$(median "${corvane_pss[@]}")
b_uss=$(median "${bare_uss[@]}"); c_uss=$(median "${corvane_uss[@]}")

echo
printf '%-9s %10s %10s %10s\n' median load_ms pss_kb uss_kb
printf '%-9s %10.1f %10d %10d\n' bare "$b_load" "$b_pss" "$b_uss"
printf '%-9s %10.1f %10d %10d\n' corvane "$c_load" "$c_pss" "$c_uss"
echo

awk -v cl="$c_load" -v bl="$b_load" -v cp="$c_pss" -v bp="$b_pss" -v cu="$c_uss" -v bu="$b_uss" '
  BEGIN {
    printf "load time corvane/bare %.2f  memory %.2f  (USS %.2f)\n", cl / bl, cp / bp, cu / bu
  }'
exit $status
