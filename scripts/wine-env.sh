# Sourced: gives the calling script a display (its own Xvfb when none is set), a
# Wine prefix of the project's own, made on first use, and the Wine loaders that run
# on this machine:
#   KXUA_WINE64  the 64-bit loader; always there once scripts/setup.sh has run
#   KXUA_WINE32  the 32-bit loader, or empty where the kernel refuses 32-bit programs
# /usr/bin/wine is not used: it tries the 32-bit loader first. The Xvfb ends with
# the shell.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: nothing here needs them, and their installers would ask.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

kxua_loader_runs() { [ -x "$1" ] && "$1" --version >/dev/null 2>&1; }
KXUA_WINE64=""
for loader in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
  if [ -n "$loader" ] && kxua_loader_runs "$loader"; then KXUA_WINE64=$loader; break; fi
done
KXUA_WINE32=""
if bash "$root/scripts/can-run-i386.sh" && kxua_loader_runs /usr/lib/wine/wine; then
  KXUA_WINE32=/usr/lib/wine/wine
fi
export KXUA_WINE64 KXUA_WINE32
if [ -z "$KXUA_WINE64" ]; then
  echo "wine-env: no 64-bit Wine loader runs here (is package wine64 installed?)" >&2
  return 1
fi

if [ -z "${DISPLAY:-}" ]; then
  display=90
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  kxua_xvfb_pid=$!
  # Wine's processes of this prefix go first, so none of them sees its display vanish.
  trap 'wineserver -k 2>/dev/null || true; kill $kxua_xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=":$display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$KXUA_WINE64" wineboot -i >/dev/null 2>&1
  wineserver -w
fi
