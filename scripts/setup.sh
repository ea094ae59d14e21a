#!/usr/bin/env bash
# Installs with apt-get (Debian, as root) what a command of the Makefile needs
# and the machine lacks.
#
#   setup.sh [--dry-run] [GROUP...]
#
# run (always): building and running the program. test: the test suite (both
# builds, the memory check, the manual page and package checks). package: the
# Debian package. lint: `make lint`. windows: the Windows cross-build of
# scripts/windows/ (mingw-w64 g++ of the posix thread model, wine64, m4, and
# dpkg-dev for Debian's sources), installed without their recommended packages
# (wine's desktop). --dry-run shows each package of the groups as present or
# missing and installs nothing.
set -euo pipefail

# One package a line: the groups that need it (comma-separated), its name, and
# what shows that it is there already: a file, a command, or "-" for the
# package itself as dpkg knows it.
packages='
run            libntl-dev       /usr/include/NTL/ZZ.h
run            libflint-dev     /usr/include/flint/fmpz_factor.h
run            libreadline-dev  /usr/include/readline/readline.h
run            cmake            cmake
run            g++              g++
test           libgtest-dev     /usr/include/gtest/gtest.h
test,lint      clang            clang++
test           libclang-rt-dev  -
test           valgrind         valgrind
test           groff-base       groff
test,package   dpkg-dev         dpkg-shlibdeps
test,package   file             file
lint           clang-format     clang-format
lint           clang-tidy       clang-tidy
lint           cppcheck         cppcheck
windows        g++-mingw-w64-x86-64-posix  x86_64-w64-mingw32-g++-posix
windows        wine64           /usr/lib/wine/wine64
windows        m4               m4
windows        dpkg-dev         dpkg-source
'

dry_run=false
groups=run
for argument in "$@"; do
  case $argument in
    --dry-run) dry_run=true ;;
    run | test | package | lint | windows) groups+=",$argument" ;;
    --windows) groups+=",windows" ;;
    *)
      echo "setup: unknown argument $argument" >&2
      exit 2
      ;;
  esac
done

# True when one of the groups in $1 (comma-separated) was asked for.
asked() {
  local group
  for group in ${1//,/ }; do [[ ",$groups," == *",$group,"* ]] && return 0; done
  return 1
}

# True when the sign $1 shows that package $2 is there already.
present() {
  case $1 in
    -) dpkg-query -W -f='${Status}' "$2" 2>/dev/null | grep -q 'install ok installed' ;;
    /*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null 2>&1 ;;
  esac
}

need=()
lean=()  # the windows group: without recommended packages
while read -r wanted_by package sign; do
  [ -n "$wanted_by" ] && asked "$wanted_by" || continue
  if present "$sign" "$package"; then
    ! $dry_run || echo "present  $package"
  else
    ! $dry_run || echo "missing  $package"
    if [ "$wanted_by" = windows ]; then lean+=("$package"); else need+=("$package"); fi
  fi
done <<<"$packages"

if $dry_run || [ $((${#need[@]} + ${#lean[@]})) -eq 0 ]; then exit 0; fi
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing ${need[*]} ${lean[*]}; run as root (or install them) first" >&2
  exit 1
fi
echo "setup: installing ${need[*]} ${lean[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
[ ${#need[@]} -eq 0 ] || apt-get install -y -qq "${need[@]}" >/dev/null
[ ${#lean[@]} -eq 0 ] || apt-get install -y -qq --no-install-recommends "${lean[@]}" >/dev/null
