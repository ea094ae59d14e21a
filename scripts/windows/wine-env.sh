# Sourced: the wine set-up shared by the Windows scripts. A private prefix under
# the cache, no debug noise on standard error, no offer to install the browser
# or .NET parts, and one persistent wineserver started with its standard
# streams on /dev/null: a server started by the first program run inside a test
# would hold that test's pipes open.
WINDOWS_CACHE="${EGYPTIAN_WINDOWS_CACHE:-$PWD/.cache/windows}"
export WINE=/usr/lib/wine/wine64
export WINEPREFIX="$WINDOWS_CACHE/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

start_wineserver() {
  mkdir -p "$WINEPREFIX"
  # Refused when the server of this prefix runs already, which serves as well.
  /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
  # Lays out the prefix the first time (some seconds, once for the cache) and
  # starts wine's own services, which stay as long as the server: started by a
  # program under test, they would hold its pipes open too.
  "$WINE" wineboot </dev/null >/dev/null 2>&1
}

# Ends the persistent server of this prefix, once the work is done.
stop_wineserver() { /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1 || true; }
