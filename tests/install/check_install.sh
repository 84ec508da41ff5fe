#!/usr/bin/env bash
# Installs Corvane into a temp prefix and checks it as a package manager and a user would meet
# it: the files in place, a valid desktop entry and AppStream file, the installed program started
# from its read-only program folder keeping cv.ini in the user's configuration folder, and a
# Debian package that installs and removes cleanly.
#
#   check_install.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
pid=""
cleanup() {
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; wait "$pid" 2>/dev/null || true; fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# ---- cmake --install ----
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in lib/corvane/corvane lib/corvane/libcorvane_engine.so lib/corvane/cv.html \
         lib/corvane/CVguide.html lib/corvane/TIPOFDAY.TXT lib/corvane/suggestions.png \
         share/applications/corvane.desktop share/icons/hicolor/scalable/apps/corvane.svg \
         share/icons/hicolor/48x48/apps/corvane.png share/metainfo/com.example.corvane.metainfo.xml \
         share/man/man1/corvane.1.gz; do
  [[ -f $prefix/$f ]] || fail "not installed: $f"
done
[[ $(readlink -f "$prefix/bin/corvane") == "$prefix/lib/corvane/corvane" ]] ||
  fail "bin/corvane does not lead to the program folder"
desktop-file-validate "$prefix/share/applications/corvane.desktop" || fail "desktop entry"
grep -qx 'Exec=corvane' "$prefix/share/applications/corvane.desktop" || fail "Exec line"
grep -q '^MimeType=' "$prefix/share/applications/corvane.desktop" && fail "registers MIME types"
appstreamcli validate --no-net "$prefix/share/metainfo/com.example.corvane.metainfo.xml" >/dev/null ||
  fail "AppStream metadata"
zcat "$prefix/share/man/man1/corvane.1.gz" | grep -q 'cv.ini' || fail "man page"

# ---- the installed program keeps cv.ini in the user's folder ----
# Permission bits don't bind root, so as root the program runs as nobody.
run_as=()
if [[ $(id -u) -eq 0 ]]; then run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
# An administrator's preset home page beside the installed program.
printf '[TBstart]\r\n1=http://preset.example/\r\n' >"$prefix/lib/corvane/cv.ini"
preset=$(cat "$prefix/lib/corvane/cv.ini")
chmod -R a-w "$prefix/lib/corvane"
home=$work/home
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
if [[ $(id -u) -eq 0 ]]; then chown -R 65534:65534 "$home"; fi
env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
  QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" \
  "${run_as[@]}" "$prefix/bin/corvane" >"$work/corvane.log" 2>&1 &
pid=$!
ini=$home/config/corvane/cv.ini
for _ in $(seq 300); do
  [[ -f $ini ]] && [[ $(grep -c '^\[' "$ini") -eq 4 ]] && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/corvane.log" >&2; fail "the installed program ended"; }
  sleep 0.1
done
[[ -f $ini ]] || { cat "$work/corvane.log" >&2; fail "no cv.ini in the configuration folder"; }
grep -q "^1=$prefix/lib/corvane/cv.html" "$ini" || fail "offline home is not the shipped page: $(cat "$ini")"
grep -q "^1=http://preset.example/" "$ini" || fail "the preset home page was not taken over: $(cat "$ini")"
[[ $(cat "$prefix/lib/corvane/cv.ini") == "$preset" ]] || fail "the program folder's cv.ini was written"
# The engine's library beside the installed program was found and loaded: its helper runs.
for _ in $(seq 300); do
  pgrep -P "$pid" -f QtWebEngineProcess >/dev/null && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/corvane.log" >&2; fail "the installed program ended"; }
  sleep 0.1
done
pgrep -P "$pid" -f QtWebEngineProcess >/dev/null || fail "the installed program started no web engine"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

# ---- the Debian package ----
cpack -G DEB -B "$work/pkg" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$work"/pkg/corvane_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6webenginecore6 libqt6webenginewidgets6 libqt6webenginecore6-bin qt6-qpa-plugins; do
  [[ $depends == *"$p"* ]] || fail "the package does not depend on $p: $depends"
done
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg --root="$root" --force-depends --force-not-root -i "$deb" >/dev/null 2>&1 || fail "dpkg -i"
[[ -x $root/usr/lib/corvane/corvane && -f $root/usr/lib/corvane/libcorvane_engine.so &&
   -L $root/usr/bin/corvane ]] || fail "package contents"
dpkg --root="$root" --force-not-root -P corvane >/dev/null 2>&1 || fail "dpkg -P"
left=$(find "$root" -mindepth 1 -not -path "$root/var*" -not -type d)
[[ -z $left ]] || fail "left behind after removal: $left"
echo "install checks passed"
