#!/bin/sh
# Starts ルミタ from its own folder, where it reads its pictures and writes
# prev.html. Installed as bin/rumita; the program lives in lib/rumita/.
here=$(dirname "$(readlink -f "$0")")
# The browser engine refuses its sandbox as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
exec "$here/../lib/rumita/rumita" "$@"
