#!/usr/bin/env bash
# Installs the Debian 12 packages Corvane needs to build, run and test, where missing, and the
# npm package the build bundles for the reader view, where missing or not the locked version.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-declarative-dev qt6-webchannel-dev
  qt6-webengine-dev qt6-webengine-dev-tools
  libqt6svg6 libgl-dev libxkbcommon-dev
  googletest libgtest-dev fonts-dejavu-core
  # the favorites import reads Firefox's bookmarks database and Chromium's JSON bookmarks file;
  # the session file is JSON too
  libsqlite3-dev nlohmann-json3-dev
  desktop-file-utils appstream dpkg-dev
  # end-to-end tests: a private X server, real key presses and clicks, the accessibility bus
  xvfb xdotool dbus-daemon at-spi2-core python3 python3-xlib python3-pyatspi
  # end-to-end tests: the screen reader Orca, its debug log the record of what it says (it reads
  # the key map with xkbcomp)
  orca x11-xkb-utils
  clang-14 libclang-rt-14-dev clang-format-14
  # integration tests: a self-signed certificate for a loopback HTTPS server
  openssl
  # end-to-end tests: the text of a printed PDF file
  poppler-utils
  # a page's links to other programs (mailto:, ...) go to the desktop's handler
  xdg-utils
)
# The reader view's article finder comes from npm; a machine with Node.js of its own has npm.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The exact versions of package-lock.json, installed afresh whenever the lock file has changed
# since the last install; no package's install scripts run.
reader=$root/third_party/readability
stamp=$reader/node_modules/.corvane-package-lock.json
if ! cmp -s "$reader/package-lock.json" "$stamp"; then
  echo "Installing the reader view's npm packages"
  (cd "$reader" && npm ci --ignore-scripts --no-audit --no-fund)
  cp "$reader/package-lock.json" "$stamp"
fi
