#!/usr/bin/env bash
# Rewrites the pictures of the windows that test_mainwindow compares against
# (tests/data/golden/*.png) after a change meant to alter the look. Look at
# them before committing: they become what the window must look like.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/setup.sh"
cd "$build"
RUMITA_UPDATE_GOLDEN=1 xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -R '^test_mainwindow$'
git -C "$root" status --short tests/data/golden
