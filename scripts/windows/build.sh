#!/usr/bin/env bash
# `make windows`: cross-builds build-windows/egyptian.exe, a static 64-bit
# Windows console program, and the tests' egyptian_reference.exe, on GMP and
# NTL built for mingw-w64 in the cache (deps.sh). FLINT is left out: without
# it only the factoring of very large denominators is slower.
set -euo pipefail
cd "$(dirname "$0")/../.."
./scripts/setup.sh --windows
./scripts/windows/deps.sh
. scripts/windows/wine-env.sh
prefix="$WINDOWS_CACHE/prefix"

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DEGYPTIAN_WITH_FLINT=OFF -DNTL_INCLUDE_DIR="$prefix/include" -DNTL_LIBRARY="$prefix/lib/libntl.a" \
  -DGMP_LIBRARY="$prefix/lib/libgmp.a" >/dev/null
cmake --build build-windows -j2 --target egyptian egyptian_reference

# Only the DLLs of Windows itself: none of the compiler's runtime (lib*.dll).
for exe in build-windows/egyptian.exe build-windows/egyptian_reference.exe; do
  if x86_64-w64-mingw32-objdump -p "$exe" | grep -i 'DLL Name: lib'; then
    echo "windows build: $exe needs the DLLs above; it must be linked statically" >&2
    exit 1
  fi
done
echo "build-windows/egyptian.exe: $(x86_64-w64-mingw32-objdump -p build-windows/egyptian.exe |
  sed -n 's/^\s*DLL Name: //p' | sort -u | tr '\n' ' ')"
