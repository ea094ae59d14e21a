#!/usr/bin/env bash
# Installs what the build needs when it is missing (Debian): NTL with GMP, CMake, g++, GoogleTest.
set -euo pipefail
need=()
[ -f /usr/include/NTL/ZZ.h ] || need+=(libntl-dev)
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v g++ >/dev/null 2>&1 || need+=(g++)
[ -d /usr/src/googletest ] || [ -f /usr/lib/x86_64-linux-gnu/libgtest.a ] || need+=(googletest libgtest-dev)
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing ${need[*]}; run as root (or install them) first" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${need[@]}" >/dev/null
fi
