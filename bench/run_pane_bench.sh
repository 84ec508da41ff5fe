#!/usr/bin/env bash
# The panes under load: a heavy page's load time against the bare two-view window, and a soak of
# many navigations in both panes.
#
#   bench/run_pane_bench.sh [-r ROUNDS] [-n NAVIGATIONS] [-b BUILD_DIR] [-s]
#
# Starts a loopback server with the pages (pane_pages_server.py), builds pageload_bench and
# soak_bench if needed (BUILD_DIR defaults to build-bench in the source tree), then:
#   page load: ROUNDS rounds (default 5) of Corvane and the bare window, alternating which goes
#              first, each the median of five loads of 2 MB of HTML with 40 images; goal: the
#              median of Corvane's <= 1.05 x the median of the bare window's;
#   soak:      NAVIGATIONS (default 500) in each pane, figures after 50 and at the end (see
#              soak_bench.cpp for its goals), then the same soak in the bare window, whose
#              figures show what the engine gathers by itself; goal: Corvane's memory at the
#              end, once the pages' garbage is collected, <= 1.05 x the bare window's (the
#              ratio before the collection is printed beside). -s leaves the soaks out.
# Exit status: 0 every goal met, 1 a goal missed, 2 a build or a run failed.
# Not a test: its figures depend on the machine and on what else runs on it.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
rounds=5
navigations=500
build_dir="$source_dir/build-bench"
soak=1

while getopts "r:n:b:sh" opt; do
  case $opt in
    r) rounds=$OPTARG ;;
    n) navigations=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    s) soak=0 ;;
    *) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
  esac
done
for n in "$rounds" "$navigations"; do
  if ! [[ $n =~ ^[1-9][0-9]*$ ]]; then
    echo "run_pane_bench: ROUNDS and NAVIGATIONS must be positive numbers" >&2
    exit 2
  fi
done

work=$(mktemp -d)
server_pid=
cleanup() {
  [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_SANITIZE=OFF >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; exit 2; }
fi
cmake --build "$build_dir" -j2 --target pageload_bench soak_bench >"$work/build.log" 2>&1 || {
  cat "$work/build.log" >&2
  echo "run_pane_bench: build failed" >&2
  exit 2
}

python3 "$here/pane_pages_server.py" >"$work/server.out" 2>&1 &
server_pid=$!
for _ in $(seq 100); do
  grep -q '^port=' "$work/server.out" && break
  sleep 0.1
done
port=$(sed -n 's/^port=//p' "$work/server.out")
if [[ -z $port ]]; then
  echo "run_pane_bench: the page server did not start" >&2
  exit 2
fi
base="http://127.0.0.1:$port"

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_CHROMIUM_FLAGS=${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}

echo "load average: $(cat /proc/loadavg) on $(nproc) cores"

declare -a bare_ms corvane_ms
run_load() {
  local who=$1 line
  line=$("$build_dir/bench/pageload_bench" "$who" "$base/heavy.html" 2>/dev/null | grep "^$who ")
  if [[ -z $line ]]; then
    echo "run_pane_bench: pageload_bench $who failed; run it by hand to see why" >&2
    exit 2
  fi
  echo "  $line"
  local ms
  ms=$(sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p' <<<"$line")
  eval "${who}_ms+=(\"$ms\")"
}

median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "page load, $rounds rounds alternating (2 MB of HTML, 40 images, from $base):"
for ((i = 1; i <= rounds; ++i)); do
  if ((i % 2)); then run_load bare; run_load corvane; else run_load corvane; run_load bare; fi
done
b=$(median "${bare_ms[@]}")
c=$(median "${corvane_ms[@]}")
status=0
awk -v c="$c" -v b="$b" 'BEGIN {
  r = c / b
  printf "median load: bare %.1f ms, corvane %.1f ms, corvane/bare %.3f (goal <= 1.05) %s\n",
         b, c, r, r <= 1.05 ? "met" : "MISSED"
  exit r <= 1.05 ? 0 : 1 }' || status=1

if ((soak)); then
  echo
  echo "soak, $navigations navigations in each pane:"
  "$build_dir/bench/soak_bench" corvane "$base" "$navigations" >"$work/soak.corvane" \
    2>"$work/soak.err"
  code=$?
  cat "$work/soak.corvane"
  if ((code == 2)); then
    cat "$work/soak.err" >&2
    exit 2
  fi
  ((code == 0)) || status=1
  echo
  "$build_dir/bench/soak_bench" bare "$base" "$navigations" >"$work/soak.bare" 2>"$work/soak.err"
  code=$?
  cat "$work/soak.bare"
  if ((code == 2)); then
    cat "$work/soak.err" >&2
    exit 2
  fi
  echo
  awk '/^final / {
         for (i = 2; i <= NF; ++i) { split($i, kv, "="); v[FILENAME, kv[1]] = kv[2] }
       }
       END {
         c = v[ARGV[1], "pss_kb"]; b = v[ARGV[2], "pss_kb"]
         cu = v[ARGV[1], "uncollected_pss_kb"]; bu = v[ARGV[2], "uncollected_pss_kb"]
         if (!c || !b) { print "soak: no final figures"; exit 2 }
         r = c / b
         printf "soak memory: bare %d kB, corvane %d kB, corvane/bare %.3f (goal <= 1.05) %s;" \
                " before the collection %.3f, for reference\n", b, c, r,
                r <= 1.05 ? "met" : "MISSED", cu / bu
         exit r <= 1.05 ? 0 : 1 }' "$work/soak.corvane" "$work/soak.bare"
  case $? in
    0) ;;
    1) status=1 ;;
    *) exit 2 ;;
  esac
  echo "load average: $(cat /proc/loadavg)"
fi
exit $status
