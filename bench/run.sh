#!/usr/bin/env bash
# Times whole calculations of an optimised build fed through standard input.
#
#   bench/run.sh [-l SECONDS] [-b BINARY] [CASE-NAME...]
#
# -l  time limit per case (default 60; a case that hits it is reported "over N s")
# -b  time this binary instead of building bench's own (build-bench/, Release)
# Names select cases (substring match); with none, every case runs.
# Each case lists every solution (answer 0 at the first paging prompt, or the
# answer given in the table) to a scratch file, which is read only for the summary.
# A case with a number of threads runs with EGYPTIAN_THREADS set to it; the
# others on the machine's cores. After a listing of more than 100 MB, a line
# "(write)" gives the time that copying its bytes to another file takes.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=60
binary=
while getopts "l:b:" opt; do
  case $opt in
    l) limit=$OPTARG ;;
    b) binary=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))

# GNU time gives the peak memory; install it when missing (Debian).
if [ ! -x /usr/bin/time ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "bench: /usr/bin/time missing; run as root once (apt-get install time)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq time >/dev/null
fi

if [ -z "$binary" ]; then
  ./scripts/setup.sh
  cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build build-bench -j2 --target egyptian >/dev/null
  binary=build-bench/egyptian
fi

# name | answers after the language and explanations (one per line, blank-separated)
#      | paging answer | expected number of solutions (empty: not checked; "none":
#      the calculation ends without solution) | threads (empty: the machine's)
cases=(
  "one-6-distinct|1 1 1 2 0 0 0 6 0|0|2320"
  "one-6-equal|1 1 1 1 0 0 0 6 0|0|3462"
  "5/121|5 121 0|0|21"
  "14/33-N5|14 33 1 2 0 5 0 0 0|0|10"
  "43/56-N3|43 56 1 2 0 3 0 0 0|0|3"
  "4/1009|4 1009 0|0|19"
  "4/2521|4 2521 0|0|9"
  "4/10009|4 10009 0|0|65"
  "2/3-odd-n6|2 3 1 2 1 0 0 6 0|0|185"
  "12/13-odd|12 13 1 2 1 0 0 0 0|0|98"
  "4/5-equal-M200-n5|4 5 1 1 0 0 200 5 0|0|304"
  "3/7-equal-M10000-n5|3 7 1 1 0 0 10000 5 0|0|6906"
  "732/733|732 733 0|0|2767"
  "265/743|265 743 0|0|2422"
  "181/797|181 797 0|0|"
  "143/487|143 487 0|0|"
  "596/829|596 829 0|0|"
  "616/863|616 863 0|0|"
  "22/811|22 811 0|0|"
  "one-7-distinct|1 1 1 2 0 0 0 7 0|0|245765"
  "one-7-equal|1 1 1 1 0 0 0 7 0|0|294314"
  "one-8-distinct-count|1 1 1 2 0 0 0 8 0|-1000000000|151182379"
  "one-8-distinct-count-1t|1 1 1 2 0 0 0 8 0|-1000000000|151182379|1"
  "one-8-equal-count|1 1 1 1 0 0 0 8 0|-1000000000|159330691"
  "one-8-equal-count-1t|1 1 1 1 0 0 0 8 0|-1000000000|159330691|1"
  "27538/27539-n8-count|27538 27539 1 2 0 0 0 8 0|-1000000000|"
  "3/7-n6-list|3 7 1 2 0 0 0 6 0|0|3506679"
  "3/7-n6-count|3 7 1 2 0 0 0 6 0|-1000000000|3506679"
  "one-even-N8|1 1 1 2 2 8 0 0 0|0|"
  "8/11-N10|8 11 1 2 0 10 0 0 0|0|"
  "one-odd-N5|1 1 1 2 1 5 0 0 0|0|"
  "4/17-M50|4 17 1 2 0 0 50 0 0|0|none"
  "4/17-M60|4 17 1 2 0 0 60 0 0|0|none"
  "5/121-M200|5 121 1 2 0 0 200 0 0|0|none"
  "2/(2^64+1)|2 18446744073709551617 0|0|4"
  "3/(10^20+1)|3 100000000000000000001 0|0|21"
  "2/3^41|2 36472996377170786403 0|0|41"
  "2/(3(2^89-1))|2 1856910058928070412348686333 0|0|4"
  "2/(10^24+7)|2 1000000000000000000000007 0|0|1"
)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

selected() {
  [ $# -eq 1 ] && return 0
  local name=$1; shift
  for want in "$@"; do [[ $name == *"$want"* ]] && return 0; done
  return 1
}

printf '%-24s %3s %11s %10s %9s\n' case n solutions "wall s" "peak MB"
total=0
status=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name answers paging expected threads <<<"$entry"
  selected "$name" "$@" || continue
  { printf '2\n0\n'; printf '%s\n' $answers; printf '%s\n0\n0\n' "$paging"; } >"$scratch/in"
  rc=0
  EGYPTIAN_THREADS=$threads /usr/bin/time -f '%e %M' -o "$scratch/time" timeout "$limit" "$binary" <"$scratch/in" >"$scratch/out" || rc=$?
  # GNU time puts a line about the exit status (always 1 here) before its own.
  read -r wall peak < <(tail -n 1 "$scratch/time")
  peak=$(awk -v k="$peak" 'BEGIN { printf "%.1f", k / 1024 }')
  if [ "$rc" -eq 124 ]; then
    printf '%-24s %3s %11s %10s %9s\n' "$name" - - "over $limit" "$peak"
    total=$(awk -v a="$total" -v b="$limit" 'BEGIN { print a + b }')
    continue
  fi
  n=$(grep -ao '(n = [0-9]*' "$scratch/out" | head -1 | tr -dc 0-9 || true)
  count=$(grep -ao ' admits [0-9]*' "$scratch/out" | head -1 | tr -dc 0-9 || true)
  [ -z "$count" ] && grep -q 'No solution' "$scratch/out" && count=none
  mark=
  if [ -n "$expected" ] && [ "$count" != "$expected" ]; then mark="  (expected $expected)"; status=1; fi
  printf '%-24s %3s %11s %10s %9s%s\n' "$name" "${n:--}" "${count:--}" "$wall" "$peak" "$mark"
  total=$(awk -v a="$total" -v b="$wall" 'BEGIN { print a + b }')
  if [ "$(stat -c %s "$scratch/out")" -gt 100000000 ]; then
    /usr/bin/time -f '%e' -o "$scratch/time" cp "$scratch/out" "$scratch/copy"
    printf '%-24s %3s %11s %10s\n' "  (write)" "" "" "$(tail -n 1 "$scratch/time")"
    rm -f "$scratch/copy"
  fi
done
printf '%-24s %3s %11s %10s\n' total "" "" "$total"
exit $status
