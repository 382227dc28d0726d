#!/usr/bin/env bash
# Runs the window's input-method test under a real ibus with mozc, on a
# display of its own with a Japanese keyboard. mozc composes nothing for root,
# so there the session runs as nobody, in a home of its own.
set -euo pipefail
test_program=${1:?usage: test_inputmethod.sh TEST_PROGRAM}
for tool in Xvfb setxkbmap xdotool dbus-daemon ibus-daemon; do
  command -v $tool >/dev/null || { echo "FAIL: $tool is missing: run scripts/setup.sh" >&2; exit 1; }
done
home=$(mktemp -d)
as_user=()
if [ "$(id -u)" -eq 0 ]; then  # nobody may not reach the build folder: it gets copies
  as_user=(runuser -u nobody --)
  cp "$test_program" "$home/" && test_program=$home/$(basename "$test_program")
  supp=$(sed -n 's/^\(.*:\)\{0,1\}suppressions=\([^:]*\).*/\2/p' <<<"${LSAN_OPTIONS:-}")
  [ -z "$supp" ] || { cp "$supp" "$home/lsan.supp"; LSAN_OPTIONS=${LSAN_OPTIONS/$supp/$home/lsan.supp}; }
  chown -R nobody "$home"
fi
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$home"' EXIT
exec 3>"$home/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -s "$home/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$home/display")
setxkbmap -model jp106 -layout jp
session() { "${as_user[@]}" env -i HOME="$home" DISPLAY="$DISPLAY" PATH="$PATH" LANG=C.UTF-8 \
  DBUS_SESSION_BUS_ADDRESS="${bus:-}" QT_IM_MODULE=ibus QTWEBENGINE_DISABLE_SANDBOX=1 \
  RUMITA_PICTURES="${RUMITA_PICTURES:-}" RUMITA_NO_BROWSER_ENGINE="${RUMITA_NO_BROWSER_ENGINE:-}" \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$@"; }
bus=$(session dbus-daemon --session --fork --print-address=1 --print-pid=1 | head -n 2)
pids+=($(sed -n 2p <<<"$bus")); bus=$(head -n 1 <<<"$bus")
session ibus-daemon --daemonize --replace --xim=false --panel=disable
for _ in $(seq 30); do  # it reports a failure even when it switched
  session ibus engine mozc-jp 2>/dev/null || true
  [ "$(session ibus engine 2>/dev/null)" = mozc-jp ] && break; sleep 0.5
done
trap 'session ibus exit 2>/dev/null; kill "${pids[@]}" 2>/dev/null; rm -rf "$home"' EXIT
session "$test_program" inputMethodWordsLandOnce
