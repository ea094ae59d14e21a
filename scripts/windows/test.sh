#!/usr/bin/env bash
# `make test-windows`: the end-to-end tests of the normal build (build/) run
# with build-windows/egyptian.exe and egyptian_reference.exe under wine in
# place of the Linux programs, then the comparison of the .exe's output with
# the Linux program's (compare.sh). The unit tests, which link the program's
# code, run natively as in `make test`. `test.sh --compare` runs only the
# comparison.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "${1:-}" != --compare ]; then
  . scripts/windows/wine-env.sh
  trap stop_wineserver EXIT
  start_wineserver
  echo "== the test suite with the Windows programs under wine"
  # Left out: the memcheck tests, since valgrind cannot run a Windows program,
  # and the native ones: the terminal features (POSIX only) and the libraries
  # that --version names (FLINT and readline are not in the Windows build).
  EGYPTIAN_TEST_PROGRAM="$PWD/build-windows/egyptian.exe" \
    EGYPTIAN_TEST_REFERENCE_PROGRAM="$PWD/build-windows/egyptian_reference.exe" \
    EGYPTIAN_TEST_RUNNER="$WINE" EGYPTIAN_TEST_CRLF_OUTPUT=1 \
    ctest --test-dir build --output-on-failure -j2 -LE 'memcheck|native'
  stop_wineserver
  trap - EXIT
fi
echo "== the Windows program against the Linux one"
./scripts/windows/compare.sh
