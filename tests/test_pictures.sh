#!/usr/bin/env bash
# Draws the pictures of resources/ again with tools/makepictures.cpp and
# compares them with the committed ones, byte for byte: the committed pictures
# are what that program draws.
set -euo pipefail
program=${1:?usage: test_pictures.sh PICTURES_PROGRAM RESOURCES_FOLDER}
resources=${2:?usage: test_pictures.sh PICTURES_PROGRAM RESOURCES_FOLDER}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$program" "$out" >/dev/null
drawn=0
for picture in "$out"/*; do
  name=$(basename "$picture")
  cmp -s "$picture" "$resources/$name" || { echo "FAIL: $name differs from resources/$name" >&2; exit 1; }
  drawn=$((drawn + 1))
done
[ "$drawn" -eq 8 ] || { echo "FAIL: drew $drawn pictures, not 8" >&2; exit 1; }
echo "PASS: the $drawn pictures of resources/ are what tools/makepictures.cpp draws"
