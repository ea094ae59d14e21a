#!/usr/bin/env bash
# Runs whole sessions of the program under valgrind's memcheck: any memory
# error or leak fails. Usage: memcheck.sh PROGRAM SESSION-FILE...
# (each file is the whole of standard input of one session).
set -uo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="$1"
shift
status=0
for session in "$@"; do
  valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
    --suppressions="$here/tests/hardening/valgrind.supp" "$program" <"$session" >/dev/null
  rc=$?
  # The program always ends with status 1; 99 is memcheck's own.
  if [ "$rc" -ne 1 ]; then
    echo "memcheck: $session: exit status $rc" >&2
    status=1
  fi
done
exit $status
