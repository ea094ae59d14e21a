#!/usr/bin/env bash
# Fetches and unpacks Debian source packages into the current directory, at
# the versions given (fetch-sources.sh ntl=11.5.1-1 gmp=...). The deb-src
# lines come from the Debian suites of the machine's own apt sources; apt runs
# on a private configuration under $APT_DIR, so the machine's set-up is left as
# it is.
set -euo pipefail
: "${APT_DIR:?}"

mkdir -p "$APT_DIR/parts" "$APT_DIR/lists/partial" "$APT_DIR/cache/archives/partial"

# Debian's own repositories only: a third-party one may publish no sources.
debian_uri='https?://[^ ]*/debian(-security)?/?'
{
  for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] || continue
    grep -E "^deb +(\[[^]]*\] +)?$debian_uri " "$list" | sed 's/^deb /deb-src /' || true
  done
} >"$APT_DIR/sources.list"
for parts in /etc/apt/sources.list.d/*.sources; do
  [ -f "$parts" ] || continue
  # deb822 stanzas are separated by blank lines; keep those of Debian's URIs.
  awk -v RS= -v ORS='\n\n' -v uri="^URIs: *$debian_uri\$" '
    { n = split($0, line, "\n"); keep = 0
      for (i = 1; i <= n; i++) if (line[i] ~ uri) keep = 1
      if (keep) { sub(/Types:[^\n]*/, "Types: deb-src"); print } }' "$parts" >"$APT_DIR/parts/$(basename "$parts")"
done

apt_private=(-o Dir::Etc::sourcelist="$APT_DIR/sources.list" -o Dir::Etc::sourceparts="$APT_DIR/parts"
  -o Dir::State::Lists="$APT_DIR/lists" -o Dir::Cache="$APT_DIR/cache" -o APT::Sandbox::User=root -qq)
apt-get "${apt_private[@]}" update
apt-get "${apt_private[@]}" source "$@" >/dev/null
