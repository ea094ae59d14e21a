#!/usr/bin/env bash
# Makes the Debian package of a built tree and checks it as a machine without
# the build tools would meet it: every shared library that the program needs is
# among the dependencies (from dpkg-shlibdeps), the files sit where Debian puts
# them, the binary is stripped, the manual page renders without a warning, and
# the program taken out of the package runs the 3/7 session exactly as the
# build's own binary does.
# Usage: check_deb.sh BUILD-FOLDER BUILT-PROGRAM
set -euo pipefail
build=$1
built=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "check_deb: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  fail "cpack failed"
}
debs=("$work"/egyptian_*.deb)
[ -f "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] || fail "no single package made: ${debs[*]}"
deb=${debs[0]}
root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/egyptian

for file in usr/bin/egyptian usr/share/man/man1/egyptian.1.gz usr/share/doc/egyptian/README.md \
  usr/share/doc/egyptian/LICENSE; do
  [ -f "$root/$file" ] || fail "$file missing from the package"
done
if readelf -S "$program" | grep -q '\.symtab'; then fail "the program is not stripped"; fi
warnings=$(zcat "$root/usr/share/man/man1/egyptian.1.gz" | groff -ww -man -z 2>&1)
[ -z "$warnings" ] || fail "the manual page: $warnings"

# Each library that the program needs belongs to an installed package, which
# must be one of the dependencies.
dependencies=$(dpkg-deb --field "$deb" Depends | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//')
for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  owners=$(dpkg -S "*/$library" 2>/dev/null | cut -d: -f1 | sort -u) || true
  [ -n "$owners" ] || fail "no installed package holds $library"
  grep -qxF "$owners" <<<"$dependencies" || fail "$library ($owners) is not among the dependencies: $dependencies"
done

version=$(dpkg-deb --field "$deb" Version)
[ "$("$program" --version | head -n 1)" = "egyptian $version" ] || fail "--version does not name version $version"

printf '2\n0\n3\n7\n0\n0\n0\n' >"$work/session"
status=0
"$program" <"$work/session" >"$work/packaged.txt" || status=$?
[ $status -eq 1 ] || fail "the packaged program ended with status $status"
"$built" <"$work/session" >"$work/built.txt" || true
grep -q ' admits 6 solution(s)' "$work/packaged.txt" || fail "the packaged program did not find the 6 solutions of 3/7"
cmp -s "$work/built.txt" "$work/packaged.txt" || fail "the packaged program's output differs from the build's"
