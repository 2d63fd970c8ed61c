#!/usr/bin/env bash
# Runs a Windows program under Wine, headless, with a prefix of its own inside the build tree.
#   WINE_RUN_ROOT  where the prefix and its HOME live (default: the current directory's build root)
set -euo pipefail
root=${WINE_RUN_ROOT:-${PWD}}
while [ ! -f "$root/CMakeCache.txt" ] && [ "$root" != / ]; do root=$(dirname "$root"); done
[ "$root" = / ] && root=${PWD}
export HOME="$root/wine-home"
export WINEPREFIX="$root/wine-prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$HOME"
# DirectSound needs an audio device: the ALSA null device is one that plays nothing.
[ -f "$HOME/.asoundrc" ] || echo 'pcm.!default { type null }' > "$HOME/.asoundrc"
if [ ! -f "$WINEPREFIX/.headless" ]; then
  (
    # One prefix at a time, even when CTest runs tests in parallel.
    exec 9>"$root/wine-prefix.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.headless" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.headless"
    fi
  )
fi
exec wine "$@"
