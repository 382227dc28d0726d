#!/usr/bin/env bash
# Runs the window's Wayland test under a nested compositor (weston, headless),
# once without X, where the program must pick Wayland itself, and once with
# XWayland, which it must run through; either way it must survive a maximise.
set -euo pipefail
test_program=${1:?usage: test_wayland.sh TEST_PROGRAM}
command -v weston >/dev/null || { echo "FAIL: weston is missing: run scripts/setup.sh" >&2; exit 1; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston=
trap '[ -z "$weston" ] || kill "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
for xwayland in "" --xwayland; do
  XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so $xwayland --socket=wayland-test \
    --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
  weston=$!
  for _ in $(seq 50); do
    [ -S "$runtime/wayland-test" ] && { [ -z "$xwayland" ] || grep -q 'xserver listening' "$runtime/weston.log"; } && break
    sleep 0.1
  done
  [ -S "$runtime/wayland-test" ] || { cat "$runtime/weston.log" >&2; echo "FAIL: weston did not start" >&2; exit 1; }
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log")
  [ -z "$xwayland" ] || [ -n "$display" ] || { echo "FAIL: weston started no XWayland" >&2; exit 1; }
  env -u QT_QPA_PLATFORM DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-test \
    "$test_program" survivesCompositorMaximise
  kill "$weston"; wait "$weston" 2>/dev/null || true; weston=
done
