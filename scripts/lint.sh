#!/usr/bin/env bash
# Formatting and static checks in one command (`make lint`): clang-format
# (.clang-format) on the sources, cppcheck, and clang-tidy (.clang-tidy) on the
# program's sources with the compile commands of a build of its own (build-lint/).
# `lint.sh --fix` formats the files in place instead of checking them.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh lint

# The message tables keep one text per line however long, as they were written.
mapfile -t sources < <(git ls-files '*.cpp' '*.h' | grep -v -e '^src/dialogue/texts/' -e '^tests/support/expected_texts.h$')
status=0

echo "== clang-format"
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${sources[@]}"
else
  clang-format --dry-run --Werror "${sources[@]}" || status=1
fi

mapfile -t program < <(git ls-files 'src/*.cpp')

echo "== cppcheck"
# Style findings are left out: on this code they are guesses about value ranges
# that the loops' own conditions rule out.
cppcheck --quiet --std=c++17 --language=c++ --enable=warning,performance,portability --inline-suppr \
  --suppress=missingIncludeSystem -I src --error-exitcode=1 "${program[@]}" || status=1

echo "== clang-tidy"
cmake -S . -B build-lint -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER=clang++ >/dev/null
tidy=0
findings=$(clang-tidy -p build-lint --quiet "${program[@]}" 2>&1) || tidy=1
printf '%s\n' "$findings" | grep -v -e '^[0-9]* warnings generated' -e '^Suppressed' -e 'Use -header-filter' || true
[ $tidy -eq 0 ] || status=1

exit $status
