#!/bin/sh
# The DLL exports exactly the two entry points, by their underscored names, imports
# only DLLs that Windows itself ships, and carries a version resource.
# Usage: check_dll.sh DLL OBJDUMP
set -eu
dll=$1
objdump=$2
headers=$($objdump -p "$dll")
failed=0

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
