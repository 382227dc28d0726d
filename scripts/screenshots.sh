#!/usr/bin/env bash
# Builds, then takes the README's screenshots under a virtual display: the main
# window in the standard and in the custom frame, and the preview window.
# They are written to docs/.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/setup.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tools/rumita_screenshots" "$root/docs" "$root/resources"
