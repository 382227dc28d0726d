#!/usr/bin/env bash
# Builds the memo reader's fuzz target with clang and runs it for a bounded
# time (FUZZ_SECONDS, 60 by default), seeded from the memo corpus. A crash,
# leak or undefined behaviour fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${RUMITA_FUZZ_DIR:-$root/build-fuzz}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRUMITA_FUZZ=ON -DBUILD_TESTING=OFF -DRUMITA_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzz_memoread
corpus="$build/corpus"
mkdir -p "$corpus"
cp "$root"/tests/data/memo/*.qip "$corpus"/
# Its progress lines go to a log; the summary, or the report of a failure, is shown.
log="$build/fuzz.log"
if "$build/fuzz_memoread" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=65536 \
  -rss_limit_mb=4096 -timeout=10 -print_final_stats=1 "$corpus" >"$log" 2>&1; then
  grep -E '^(Done|stat::)' "$log"
else
  status=$?
  tail -n 60 "$log"
  exit "$status"
fi
