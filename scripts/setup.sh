#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then
# configures and builds into build/ (or RUMITA_BUILD_DIR). Every script in
# scripts/ that builds sources it, but fuzz.sh, which configures a clang
# build of its own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev libgl-dev
          xvfb xauth xdotool dbus-daemon libx11-dev fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
          qt6-translations-l10n
          clang libclang-rt-14-dev
          clang-format desktop-file-utils appstream dpkg-dev file lintian
          ibus ibus-mozc dbus x11-xkb-utils weston xwayland qt6-wayland)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser engine refuses its sandbox as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1

build=${RUMITA_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${RUMITA_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$build"
