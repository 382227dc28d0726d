#!/usr/bin/env bash
# Runs the window's Wayland test under a nested compositor (weston, headless),
# without X: the program must pick Wayland itself and survive a maximise.
set -euo pipefail
test_program=${1:?usage: test_wayland.sh TEST_PROGRAM}
command -v weston >/dev/null || { echo "FAIL: weston is missing: run scripts/setup.sh" >&2; exit 1; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston=
trap '[ -z "$weston" ] || kill "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-test \
  --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$runtime/wayland-test" ] && break; sleep 0.1; done
[ -S "$runtime/wayland-test" ] || { cat "$runtime/weston.log" >&2; echo "FAIL: weston did not start" >&2; exit 1; }
env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-test \
  "$test_program" survivesMaximiseOnWayland
