# Sourced by the scripts that run Windows programs: makes `wine` and `wineserver` the ones of
# the flavour in PK_WINE_ARCH (win32, the default, or win64).
# Debian's /usr/bin/wine prefers the 32-bit loader whenever wine32 is installed, so the 64-bit
# flavour calls wine64 and its server directly, with the loader named for Wine's own children.
case "${PK_WINE_ARCH:-win32}" in
  win64)
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    wine() { /usr/lib/wine/wine64 "$@"; }
    wineserver() { /usr/lib/wine/wineserver64 "$@"; }
    ;;
  win32) ;;
  *) echo "wine-env: PK_WINE_ARCH must be win32 or win64, not '$PK_WINE_ARCH'" >&2; return 2 ;;
esac
