#!/usr/bin/env bash
# Sets up and builds, then makes the Debian package rumita_<version>_amd64.deb
# in the project's folder: `sudo apt install ./rumita_*.deb` installs it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/setup.sh"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/package" >/dev/null
for deb in "$build"/package/rumita_*.deb; do
  cp "$deb" "$root/"
  echo "$root/$(basename "$deb")"
done
