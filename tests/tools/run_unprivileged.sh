#!/usr/bin/env bash
# Runs the tests of a GoogleTest binary that match a filter as an unprivileged user, so that
# permission bits bind: as root through setpriv as nobody/nogroup, otherwise as the caller.
# A skipped test, or no test at all, is a failure here.
#   run_unprivileged.sh <test binary> <gtest filter>
set -euo pipefail
binary=$1
filter=$2

# The binary and the temp folders must be reachable by that user even when the build tree lies
# in root's home: both go into a fresh folder of its own under /tmp.
work=$(mktemp -d /tmp/corvane-unprivileged-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp "$binary" "$work/tests"
mkdir "$work/tmp"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
  uid=$(id -u nobody)
  gid=$(getent group nogroup | cut -d: -f3)
  chown -R "$uid:$gid" "$work"
  as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups --)
  echo "running as nobody ($uid:$gid)"
fi

status=0
env HOME="$work" TMPDIR="$work/tmp" "${as_user[@]}" "$work/tests" --gtest_filter="$filter" \
  --gtest_color=no >"$work/output" 2>&1 || status=$?
cat "$work/output"
[ "$status" -eq 0 ] || exit "$status"

ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran\..*/\1/p' "$work/output")
if [ -z "$ran" ] || [ "$ran" -eq 0 ]; then
  echo "FAILED: no test matches $filter" >&2
  exit 1
fi
if grep -q '^\[  SKIPPED \]' "$work/output"; then
  echo "FAILED: tests were skipped in the unprivileged run" >&2
  exit 1
fi
