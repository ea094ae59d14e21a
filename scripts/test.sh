#!/usr/bin/env bash
# Sets up, then builds and runs the whole test suite twice: the normal build
# (g++, optimised, as shipped; it also checks the manual page and the Debian
# package made from it) and the sanitizer build (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer without recovery), which also holds the fuzz
# target and its bounded run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh test

echo "== normal build (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

echo "== sanitizer build (build-sanitize/)"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DEGYPTIAN_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j2
ctest --test-dir build-sanitize --output-on-failure -j2
