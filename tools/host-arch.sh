#!/usr/bin/env bash
# Prints which Windows flavour this host can run tests of: "win32" when it executes 32-bit x86
# code, else "win64". Some hosts run 64-bit code only, and flags or CPU names do not tell that
# reliably, so a tiny i386 program is run. PAKTALLY_WINE_ARCH=win64 forces the 64-bit path.
#   tools/host-arch.sh            the flavour
#   tools/host-arch.sh --reason   the flavour, a tab, and why
set -u
say() { if [ "${1:-}" = --reason ]; then printf '%s\t%s\n' "$2" "$3"; else echo "$2"; fi; }

case "${PAKTALLY_WINE_ARCH:-}" in
  win64) say "${1:-}" win64 "PAKTALLY_WINE_ARCH=win64 forces the 64-bit path"; exit 0 ;;
  ""|win32) ;;
  *) echo "host-arch: PAKTALLY_WINE_ARCH must be win32 or win64, not '$PAKTALLY_WINE_ARCH'" >&2; exit 2 ;;
esac

# A static i386 ELF program: exit(42) through int 0x80, nothing else.
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'      >"$probe"  # ident
printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08'              >>"$probe" # exec, i386, entry
printf '\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'              >>"$probe" # phoff, shoff, flags
printf '\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'              >>"$probe" # sizes, 1 segment
printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$probe" # PT_LOAD at 0x8048000
printf '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe" # 96 bytes, r-x
printf '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'              >>"$probe" # exit(42)
chmod +x "$probe"
"$probe" 2>/dev/null
rc=$?

if [ "$rc" -eq 42 ]; then
  if [ "${PAKTALLY_WINE_ARCH:-}" = win32 ]; then
    say "${1:-}" win32 "PAKTALLY_WINE_ARCH=win32 and this host executes 32-bit x86 code"
  else
    say "${1:-}" win32 "this host executes 32-bit x86 code"
  fi
else
  [ "${PAKTALLY_WINE_ARCH:-}" = win32 ] && { echo "host-arch: PAKTALLY_WINE_ARCH=win32, but this host cannot execute 32-bit x86 code" >&2; exit 1; }
  say "${1:-}" win64 "this host cannot execute 32-bit x86 code (an i386 program ended with code $rc)"
fi
