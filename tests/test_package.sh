#!/usr/bin/env bash
# Makes the Debian package from the built tree and checks what it holds: its
# files, its control fields, lintian's verdict, a menu entry and metainfo the
# validators accept, manual pages in English and Japanese, and a launcher
# that leaves the browser engine's sandbox on. Then starts what it installs:
# the launcher from another folder, and the command line's answers.
set -euo pipefail
build=${1:?usage: test_package.sh BUILD_FOLDER}
work=$(mktemp -d)
pid=
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
debs=("$work"/rumita_*_amd64.deb)
[ -f "${debs[0]}" ] || fail "no rumita_<version>_amd64.deb"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = rumita ] || fail "Package: $(field Package)"
[ "$(basename "$deb")" = "rumita_$(field Version)_amd64.deb" ] || fail "file name $(basename "$deb")"
depends=$(field Depends)
for needed in libqt6webenginewidgets6 libqt6widgets6 libc6 qt6-qpa-plugins \
              fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
    fail "Depends lacks $needed: $depends"
done

# Wayland without XWayland, and the input methods that reach a Qt 6 window.
[[ $(field Recommends) == *qt6-wayland* ]] || fail "Recommends: $(field Recommends)"
[[ $(field Suggests) == *fcitx5-frontend-qt6*ibus-mozc* ]] || fail "Suggests: $(field Suggests)"

# The metainfo file is named by the AppStream id, which the build may set.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort |
  sed 's|^\(./usr/share/metainfo/\).*\(\.metainfo\.xml\)$|\1ID\2|' >"$work/files"
diff -u - "$work/files" <<'LIST' || fail "the package's files differ"
./usr/bin/rumita
./usr/lib/rumita/hime.jpg
./usr/lib/rumita/hime2.jpg
./usr/lib/rumita/kime.jpg
./usr/lib/rumita/kime2.jpg
./usr/lib/rumita/rumita
./usr/lib/rumita/rumita-preview
./usr/share/applications/rumita.desktop
./usr/share/doc/rumita/changelog.gz
./usr/share/doc/rumita/copyright
./usr/share/icons/hicolor/32x32/apps/rumita.png
./usr/share/icons/hicolor/scalable/apps/rumita.svg
./usr/share/man/ja/man1/rumita.1.gz
./usr/share/man/man1/rumita.1.gz
./usr/share/metainfo/ID.metainfo.xml
./usr/share/mime/packages/rumita.xml
LIST

tree=$work/tree
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree/usr/share/applications/rumita.desktop"
appstreamcli validate-tree --no-net "$tree" >"$work/appstream" || fail "$(cat "$work/appstream")"
lintian --allow-root --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"
# A software centre in a Japanese locale shows the Japanese description.
grep -q '<p xml:lang="ja">' "$tree"/usr/share/metainfo/*.xml || fail "no Japanese description"
grep -q '<project_license>MIT</project_license>' "$tree"/usr/share/metainfo/*.xml || fail "no licence in the metainfo"
for page in man/man1 man/ja/man1; do  # both name the input methods and the file argument
  zcat "$tree/usr/share/$page/rumita.1.gz" >"$work/page"
  for word in fcitx5 ibus prev.html '\.qip'; do grep -q "$word" "$work/page" || fail "$page lacks $word"; done
done
! grep -q QTWEBENGINE_DISABLE_SANDBOX "$tree/usr/bin/rumita" || fail "the launcher turns the sandbox off"

# The program with its pictures in one folder, the preview program beside it;
# the browser engine is the preview program's alone.
prefix=$tree/usr
folder=$prefix/lib/rumita
for program in lib/rumita/rumita lib/rumita/rumita-preview bin/rumita; do
  [ -x "$prefix/$program" ] || fail "$program is not executable"
done
# Read whole first: grep -q would stop reading early, and ldd, cut off, fail the pipe.
[[ $(ldd "$folder/rumita") != *WebEngine* ]] || fail "the program links the browser engine"
[[ $(ldd "$folder/rumita-preview") == *WebEngine* ]] || fail "the preview program lacks the browser engine"
for file in lib/rumita/{hime,hime2,kime,kime2}.jpg share/icons/hicolor/{32x32/apps/rumita.png,scalable/apps/rumita.svg}; do
  [ -s "$prefix/$file" ] || fail "$file is empty"
done
desktop=$prefix/share/applications/rumita.desktop
for line in Type=Application 'Exec=rumita %f' 'MimeType=application/x-rumita-memo;' Icon=rumita Name=ルミタ; do
  grep -qx "$line" "$desktop" || fail "the desktop entry lacks $line"
done
grep -q 'glob pattern="\*.qip"' "$prefix/share/mime/packages/rumita.xml" || fail "no MIME type for .qip"

# Started by name through the PATH, from another folder, the launcher must
# become the real program in its own folder (where it reads its pictures), on
# the platform the user set, or through X where a Wayland desktop has XWayland.
cd "$work"
start() {  # QT_QPA_PLATFORM, the plugin the program must load, and DISPLAY
  PATH=$prefix/bin:$PATH QT_QPA_PLATFORM=$1 DISPLAY=$3 XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=${3:+rumita-none} rumita >/dev/null 2>&1 &
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
start offscreen offscreen ""  # a platform that needs no display
[ -z "${DISPLAY:-}" ] || start "" xcb "$DISPLAY"

# The command line: the usage on request (0) or after a mistake (2, to
# stderr), and one line when there is no display to show the window on (1).
run() { status=0; "$prefix/bin/rumita" "$@" >"$work/out" 2>"$work/err" || status=$?; }
usage='^使い方: rumita \[ファイル.qip\]'
run --help; [ $status = 0 ] && grep -q "$usage" "$work/out" || fail "--help: status $status, $(cat "$work/out")"
run --version; [ $status = 0 ] && grep -q '^ルミタ (rumita) [0-9]' "$work/out" || fail "--version: status $status"
for args in --bogus "a.qip b.qip"; do
  run $args; [ $status = 2 ] && grep -q "$usage" "$work/err" || fail "rumita $args: status $status"
done
for platform in "" xcb:; do  # the toolkit's own or one with options
  DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=$platform run memo.qip
  [ $status = 1 ] && [ "$(wc -l <"$work/err")" = 1 ] || fail "without a display ($platform): status $status, $(cat "$work/err")"
done
echo "PASS: $(basename "$deb"), Depends: $depends; installed and started"
