#!/usr/bin/env bash
# Makes the Debian package from the built tree and checks what it holds: its
# files, its control fields, lintian's verdict, a menu entry and metainfo the
# validators accept, manual pages in English and Japanese,
# and a launcher that leaves the browser engine's sandbox on.
set -euo pipefail
build=${1:?usage: test_package.sh BUILD_FOLDER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
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
echo "PASS: $(basename "$deb"), Depends: $depends"
