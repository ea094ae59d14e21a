#!/usr/bin/env bash
# Installs what the Windows cross-build and its tests need when it is missing
# (Debian): the mingw-w64 compiler of the posix thread model (std::thread and a
# static winpthread), wine64 to run the .exe and the test programs of NTL's
# configure, m4 for GMP's configure, and dpkg-dev to unpack Debian's sources.
set -euo pipefail

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

need=()
want() { installed "$1" || need+=("$1"); }

command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || want g++-mingw-w64-x86-64-posix
[ -x /usr/lib/wine/wine64 ] || want wine64
command -v m4 >/dev/null 2>&1 || want m4
command -v dpkg-source >/dev/null 2>&1 || want dpkg-dev
command -v make >/dev/null 2>&1 || want make

if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "windows setup: missing ${need[*]}; run as root (or install them) first" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
