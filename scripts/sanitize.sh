#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite, GUI tests included, under a
# virtual display. Any sanitizer report fails the run. The browser engine is
# kept out: its own library reports errors of its own, so the tests skip the
# steps that would start it (docs/sanitizers.md).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
RUMITA_BUILD_DIR=${RUMITA_BUILD_DIR:-$root/build-asan} RUMITA_BUILD_TYPE=${RUMITA_BUILD_TYPE:-RelWithDebInfo} \
  source "$here/setup.sh" -DRUMITA_SANITIZE=ON -DRUMITA_BENCHMARKS=OFF

# halt_on_error: the first report ends the test, and so fails it.
# fast_unwind_on_malloc=0: Qt and the system libraries have no frame pointers;
# without full stacks a third-party leak cannot be told from one of ours.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export RUMITA_NO_BROWSER_ENGINE=1

cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --output-on-failure -j2 --timeout 600
