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
! ldd "$folder/rumita" | grep -q WebEngine || fail "the program links the browser engine"
ldd "$folder/rumita-preview" | grep -q WebEngine || fail "the preview program lacks the browser engine"
for picture in hime.jpg hime2.jpg kime.jpg kime2.jpg; do
  [ -s "$folder/$picture" ] || fail "no $picture beside the program"
done
[ -x "$prefix/bin/rumita" ] || fail "no launcher in bin"
desktop=$prefix/share/applications/rumita.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx 'Type=Application' "$desktop" || fail "desktop entry: no Type"
grep -qx 'Exec=rumita' "$desktop" || fail "desktop entry: Exec is not the launcher"
grep -qx 'Icon=rumita' "$desktop" || fail "desktop entry: Icon is not rumita"
grep -qx 'Name=ルミタ' "$desktop" || fail "desktop entry: Name"
desktop-file-validate "$desktop"
[ -s "$prefix/share/icons/hicolor/32x32/apps/rumita.png" ] || fail "no 32x32 icon"
[ -s "$prefix/share/icons/hicolor/scalable/apps/rumita.svg" ] || fail "no scalable icon"
[ -z "$(find "$prefix" -name 'test_*' -o -name 'bench_*')" ] || fail "tests or benchmarks installed"

# Started by name through the PATH, from another folder, the launcher must
# become the real program in its own folder (where it reads its pictures).
cd "$prefix"
PATH=$prefix/bin:$PATH QT_QPA_PLATFORM=offscreen rumita >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do
  exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
  [ "$exe" = "$folder/rumita" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the launcher ended: $(wait "$pid"; echo "status $?")"
  sleep 0.1
done
[ "$exe" = "$folder/rumita" ] || fail "the launcher runs '$exe', not $folder/rumita"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up"
echo "PASS: installed into a temporary prefix and started"
