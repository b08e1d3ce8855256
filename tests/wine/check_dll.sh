#!/bin/sh
# The DLL is built for the expected processor, exports exactly the two entry points,
# by their underscored names on either width, imports only DLLs that Windows itself
# ships (so no runtime DLL of the compiler), and carries a version resource.
# Usage: check_dll.sh DLL OBJDUMP PROCESSOR (i686 or x86_64)
set -eu
dll=$1
objdump=$2
processor=$3
headers=$($objdump -p "$dll")
failed=0

case "$processor" in
  i686) format=pei-i386 ;;
  x86_64) format=pei-x86-64 ;;
  *) echo "FAIL unknown processor '$processor'"; exit 1 ;;
esac
if $objdump -f "$dll" | grep -q "file format $format\$"; then
  echo "ok   $format"
else
  echo "FAIL not $format: $($objdump -f "$dll" | sed -n 's/.*file format //p')"; failed=1
fi

exports=$(printf '%s\n' "$headers" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' \
  | sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort | tr '\n' ' ')
if [ "$exports" = "_KXUA_Finalize _KXUA_Initialize " ]; then
  echo "ok   exports: $exports"
else
  echo "FAIL exports: '$exports'"; failed=1
fi

system_dlls=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll windowscodecs.dll version.dll shlwapi.dll uxtheme.dll ws2_32.dll "
for name in $(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  case "$system_dlls" in
    *" $name "*) echo "ok   imports $name" ;;
    *) echo "FAIL imports $name, which Windows does not ship"; failed=1 ;;
  esac
done

if $objdump -h "$dll" | grep -q '\.rsrc'; then
  echo "ok   version resource section present"
else
  echo "FAIL no resource section"; failed=1
fi

[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
