#!/usr/bin/env bash
# Formats every C++ source of the project by the root's .clang-format. With
# --check it changes nothing and fails, naming the places, where a file is
# not formatted so (.ci/run runs it that way).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is missing: ./scripts/setup.sh installs it" >&2; exit 1; }
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  clang-format --dry-run -Werror "${sources[@]}"
else
  clang-format -i "${sources[@]}"
fi
