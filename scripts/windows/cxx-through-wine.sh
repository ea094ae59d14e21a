#!/usr/bin/env bash
# The mingw-w64 C++ compiler for NTL's configure and set-up, which run the test
# programs they link: a program linked to `-o NAME` (no extension) becomes
# NAME.exe, beside a script NAME that runs it under wine with its CRLF line
# ends turned into LF, so that the shell scripts that read its output see
# what a native program prints.
set -euo pipefail
compiler=x86_64-w64-mingw32-g++-posix

args=("$@")
output=""
links=1
for ((i = 0; i < ${#args[@]}; i++)); do
  case "${args[i]}" in
    -c | -S | -E) links=0 ;;
    -o) output="${args[i + 1]:-}" ;;
  esac
done
if [ "$links" -eq 0 ] || [ -z "$output" ] || [[ "$(basename "$output")" == *.* ]]; then
  exec "$compiler" "$@"
fi

for ((i = 0; i < ${#args[@]}; i++)); do
  [ "${args[i]}" = -o ] && args[i + 1]="$output.exe"
done
"$compiler" "${args[@]}"
cat >"$output" <<SCRIPT
#!/usr/bin/env bash
set -o pipefail
"\$WINE" "\$0.exe" "\$@" | sed 's/\r$//'
SCRIPT
chmod +x "$output"
