#!/bin/sh
# Starts ルミタ from its own folder, where it reads its pictures. Installed as
# bin/rumita; the program lives in lib/rumita/.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/rumita/rumita" "$@"
