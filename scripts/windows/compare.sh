#!/usr/bin/env bash
# Runs the same sessions through the Linux program (build/egyptian) and the
# Windows one under wine (build-windows/egyptian.exe): after its CRLF line ends
# are turned into LF, the .exe must print the same bytes, end with the same
# status and write nothing to standard error. The sessions are those of
# tests/hardening/sessions/ and the ones below.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/windows/wine-env.sh
linux=build/egyptian
windows=build-windows/egyptian.exe
work="$(mktemp -d)"
trap 'stop_wineserver; rm -rf "$work"' EXIT
start_wineserver

# name, then the answers (printf format): P = 5, Q = 6 with every constraint
# question, in each language, with the explanations; constraints; paging by K
# and by every K-th; numbers of 10, 20 and 40 digits; CRLF line ends; a
# byte-order mark.
sessions=(
  language_1 '1\n1\n5\n6\n1\n2\n0\n0\n0\n0\n0\n0\n0\n'
  language_2 '2\n1\n5\n6\n1\n2\n0\n0\n0\n0\n0\n0\n0\n'
  language_3 '3\n1\n5\n6\n1\n2\n0\n0\n0\n0\n0\n0\n0\n'
  language_4 '4\n1\n5\n6\n1\n2\n0\n0\n0\n0\n0\n0\n0\n'
  language_5 '5\n1\n5\n6\n1\n2\n0\n0\n0\n0\n0\n0\n0\n'
  language_6 '6\n1\n5\n6\n1\n2\n0\n0\n0\n0\n0\n0\n0\n'
  language_7 '7\n1\n5\n6\n1\n2\n0\n0\n0\n0\n0\n0\n0\n'
  constraints '2\n0\n3\n7\n1\n1\n1\n3\n1000\n3\n5\n0\n1\n4\n5\n1\n2\n2\n10\n200\n0\n0\n0\n0\n'
  paging '2\n0\n5\n121\n0\n3\n-4\n1\n3\n7\n0\n-1\n1\n5\n121\n0\n2\n2\n0\n0\n'
  ten_digits '2\n0\n2\n10000000019\n0\n0\n1\n1\n4294967297\n0\n0\n1\n1\n1\n1\n2\n0\n0\n4294967296\n0\n0\n0\n'
  twenty_digits '2\n0\n2\n10000000000000000051\n0\n0\n1\n1\n1\n1\n2\n0\n10000000000000000000\n0\n0\n0\n0\n'
  forty_digits '2\n0\n1\n1000000000000000000000000000000000000001\n0\n0\n1\n1\n7\n0\n10000000000000000000000000000000000000000\n0\n'
  crlf '3\r\n1\r\n3\r\n7\r\n0\r\n2\r\n-2\r\n0\r\n'
  byte_order_mark '\xef\xbb\xbf2\n0\n3\n7\n0\n0\n0\n'
)
inputs=(tests/hardening/sessions/*.txt)
for ((i = 0; i < ${#sessions[@]}; i += 2)); do
  printf "${sessions[i + 1]}" >"$work/${sessions[i]}.txt"
  inputs+=("$work/${sessions[i]}.txt")
done

failed=0
for input in "${inputs[@]}"; do
  name="$(basename "$input" .txt)"
  set +e
  "$linux" <"$input" >"$work/linux.out" 2>"$work/linux.err"
  linux_status=$?
  # The program always prints something: a run with no output at all is wine
  # failing to start it, as it has been seen to on a loaded machine.
  for attempt in 1 2; do
    "$WINE" "$windows" <"$input" >"$work/windows.crlf" 2>"$work/windows.err"
    windows_status=$?
    [ ! -s "$work/windows.crlf" ] || break
  done
  set -e
  perl -pe 's/\r\n/\n/g' "$work/windows.crlf" >"$work/windows.out"
  if ! cmp -s "$work/linux.out" "$work/windows.out"; then
    echo "compare: $name: the outputs differ" >&2
    diff <(od -c "$work/linux.out") <(od -c "$work/windows.out") | head -n 20 >&2
    failed=$((failed + 1))
  elif [ "$linux_status" -ne "$windows_status" ] || [ -s "$work/windows.err" ]; then
    echo "compare: $name: exit status $windows_status (Linux $linux_status), standard error:" >&2
    head -c 2000 "$work/windows.err" >&2
    failed=$((failed + 1))
  else
    echo "compare: $name: same $(wc -c <"$work/linux.out") bytes"
  fi
done
echo "compare: $((${#inputs[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
