#!/usr/bin/env bash
# Installs what the build and the tests need when it is missing (Debian): NTL
# with GMP, FLINT (factoring of large denominators), CMake, g++ and GoogleTest
# for the program and its tests; clang with its sanitizer and libFuzzer runtimes for the sanitizer build and the fuzz
# target; valgrind for the memory check. `setup.sh --lint` adds the formatting
# and static-analysis tools of `make lint`; `setup.sh --windows` the Windows
# cross-build of scripts/windows/ (mingw-w64 g++ of the posix thread model,
# wine64, m4, dpkg-dev for Debian's sources), without wine's recommended desktop
# packages.
set -euo pipefail

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

need=()
lean=()  # installed without their recommended packages
want() { installed "$1" || need+=("$1"); }

[ -f /usr/include/NTL/ZZ.h ] || want libntl-dev
[ -f /usr/include/flint/fmpz_factor.h ] || want libflint-dev
command -v cmake >/dev/null 2>&1 || want cmake
command -v g++ >/dev/null 2>&1 || want g++
[ -d /usr/src/googletest ] || [ -f /usr/lib/x86_64-linux-gnu/libgtest.a ] || { want googletest; want libgtest-dev; }
command -v clang++ >/dev/null 2>&1 || want clang
want libclang-rt-dev
command -v valgrind >/dev/null 2>&1 || want valgrind
if [ "${1:-}" = "--lint" ]; then
  command -v clang-format >/dev/null 2>&1 || want clang-format
  command -v clang-tidy >/dev/null 2>&1 || want clang-tidy
  command -v cppcheck >/dev/null 2>&1 || want cppcheck
fi
if [ "${1:-}" = "--windows" ]; then
  for package in g++-mingw-w64-x86-64-posix wine64 m4 dpkg-dev; do installed "$package" || lean+=("$package"); done
fi

if [ ${#need[@]} -gt 0 ] || [ ${#lean[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing ${need[*]} ${lean[*]}; run as root (or install them) first" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  [ ${#need[@]} -eq 0 ] || apt-get install -y -qq "${need[@]}" >/dev/null
  [ ${#lean[@]} -eq 0 ] || apt-get install -y -qq --no-install-recommends "${lean[@]}" >/dev/null
fi
