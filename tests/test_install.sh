#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout: the program
# with its pictures in one folder, the launcher on the PATH starting it there,
# the menu entry and the icons.
set -euo pipefail
build=${1:?usage: test_install.sh BUILD_FOLDER}
prefix=$(mktemp -d)
pid=
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

folder=$prefix/lib/rumita
[ -x "$folder/rumita" ] || fail "no program in lib/rumita"
[ -x "$folder/rumita-preview" ] || fail "no preview program beside the program"
# The browser engine is the preview program's alone.
# Read whole first: grep -q would stop reading early, and ldd, cut off, fail the pipe.
[[ $(ldd "$folder/rumita") != *WebEngine* ]] || fail "the program links the browser engine"
[[ $(ldd "$folder/rumita-preview") == *WebEngine* ]] || fail "the preview program lacks the browser engine"
for picture in hime.jpg hime2.jpg kime.jpg kime2.jpg; do
  [ -s "$folder/$picture" ] || fail "no $picture beside the program"
done
[ -x "$prefix/bin/rumita" ] || fail "no launcher in bin"
desktop=$prefix/share/applications/rumita.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx 'Type=Application' "$desktop" || fail "desktop entry: no Type"
grep -qx 'Exec=rumita %f' "$desktop" || fail "desktop entry: Exec is not the launcher with the file"
grep -qx 'MimeType=application/x-rumita-memo;' "$desktop" || fail "desktop entry: no MimeType"
grep -q 'glob pattern="\*.qip"' "$prefix/share/mime/packages/rumita.xml" || fail "no MIME type for .qip"
grep -qx 'Icon=rumita' "$desktop" || fail "desktop entry: Icon is not rumita"
grep -qx 'Name=ルミタ' "$desktop" || fail "desktop entry: Name"
desktop-file-validate "$desktop"
[ -s "$prefix/share/icons/hicolor/32x32/apps/rumita.png" ] || fail "no 32x32 icon"
[ -s "$prefix/share/icons/hicolor/scalable/apps/rumita.svg" ] || fail "no scalable icon"
[ -z "$(find "$prefix" -name 'test_*' -o -name 'bench_*')" ] || fail "tests or benchmarks installed"

# Started by name through the PATH, from another folder, the launcher must
# become the real program in its own folder (where it reads its pictures), on
# the platform the user set, or through X where a Wayland desktop has XWayland.
cd "$prefix"
start() {  # QT_QPA_PLATFORM, and the plugin the program must load
  PATH=$prefix/bin:$PATH QT_QPA_PLATFORM=$1 XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=rumita-none rumita >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do grep -q "libq$2" "/proc/$pid/maps" 2>/dev/null && break; sleep 0.1; done
  exe=$(readlink "/proc/$pid/exe" || true)
  [ "$exe" = "$folder/rumita" ] || fail "the launcher runs '$exe', not $folder/rumita"
  grep -q "libq$2" "/proc/$pid/maps" || fail "QT_QPA_PLATFORM='$1' does not load the $2 plugin"
  ! grep -q libqwayland "/proc/$pid/maps" || fail "QT_QPA_PLATFORM='$1' tries Wayland"
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up"
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=
}
start offscreen offscreen
[ -z "${DISPLAY:-}" ] || start "" xcb

# The command line: the usage on request (0) or after a mistake (2, to
# stderr), and one line when there is no display to show the window on (1).
run() { status=0; "$prefix/bin/rumita" "$@" >"$prefix/out" 2>"$prefix/err" || status=$?; }
usage='^使い方: rumita \[ファイル.qip\]'
run --help; [ $status = 0 ] && grep -q "$usage" "$prefix/out" || fail "--help: status $status, $(cat "$prefix/out")"
run --version; [ $status = 0 ] && grep -q '^ルミタ (rumita) [0-9]' "$prefix/out" || fail "--version: status $status"
for args in --bogus "a.qip b.qip"; do
  run $args; [ $status = 2 ] && grep -q "$usage" "$prefix/err" || fail "rumita $args: status $status"
done
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= run memo.qip
[ $status = 1 ] && [ "$(wc -l <"$prefix/err")" = 1 ] || fail "without a display: status $status, $(cat "$prefix/err")"
echo "PASS: installed into a temporary prefix and started"
