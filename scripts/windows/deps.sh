#!/usr/bin/env bash
# Builds GMP and NTL for the mingw-w64 target, static, from Debian's source
# packages at the versions of the machine's libgmp-dev and libntl-dev, into
# $EGYPTIAN_WINDOWS_CACHE/prefix (default .cache/windows/prefix). A library
# already there at the same version is not built again.
set -euo pipefail
cd "$(dirname "$0")/../.."
here="$PWD/scripts/windows"
. "$here/wine-env.sh"

prefix="$WINDOWS_CACHE/prefix"
sources="$WINDOWS_CACHE/sources"
log="$sources/build.log"

failed() {
  tail -n 40 "$log" >&2
  echo "windows deps: the build failed; the whole log is $log" >&2
  exit 1
}

# Unpacks the Debian source of the library that the package $1 comes from,
# unless it is built already; prints its folder.
unpack() {
  local version
  version="$(dpkg-query -W -f='${source:Version}' "$1")" || return 1
  [ "$(cat "$prefix/$1.version" 2>/dev/null)" != "$version" ] || return 0
  echo "== $2 $version for mingw-w64, once for the cache in $WINDOWS_CACHE" >&2
  rm -rf "$sources"
  mkdir -p "$sources" "$prefix"
  (cd "$sources" && APT_DIR="$WINDOWS_CACHE/apt" "$here/fetch-sources.sh" "$2=$version") >&2 || return 1
  echo "$version" >"$sources/version"
  echo "$sources"/"$2"-*/
}

# Marks the library of the package $1 as built.
built() {
  cp "$sources/version" "$prefix/$1.version"
  rm -rf "$sources"
}

folder="$(unpack libgmp-dev gmp)"
if [ -n "$folder" ]; then
  cd "$folder"
  # Debian's source leaves the manual out, but configure still makes its Makefile.
  mkdir -p doc
  printf 'all:\n.DEFAULT:\n\t@:\n' >doc/Makefile.in
  {
    ./configure --host=x86_64-w64-mingw32 --build="$(./config.guess)" --prefix="$prefix" \
      --enable-static --disable-shared CC=x86_64-w64-mingw32-gcc-posix &&
      make -j2 && make install
  } >"$log" 2>&1 || failed
  cd - >/dev/null
  built libgmp-dev
fi

folder="$(unpack libntl-dev ntl)"
if [ -n "$folder" ]; then
  # The configure and set-up of NTL run the programs they build: through wine.
  start_wineserver
  trap stop_wineserver EXIT
  cd "$folder/src"
  {
    ./configure PREFIX="$prefix" GMP_PREFIX="$prefix" CXX="$here/cxx-through-wine.sh" CXXFLAGS=-O2 \
      LDFLAGS=-static AR=x86_64-w64-mingw32-ar RANLIB=x86_64-w64-mingw32-ranlib \
      NATIVE=off TUNE=x86 NTL_GMP_LIP=on SHARED=off &&
      make -j2 && make install
  } >"$log" 2>&1 || failed
  cd - >/dev/null
  built libntl-dev
fi
