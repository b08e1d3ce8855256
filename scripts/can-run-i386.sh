#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 programs. Some kernels run
# 64-bit user code only ("IA-32 emulation off"); there wine32 cannot start, so the
# i686 build can be compiled but not run. Asked by running a 93-byte i386 ELF that
# exits with 0 (xor ebx,ebx; mov eax,1; int 0x80) instead of reading dmesg, which
# needs privileges and says nothing on kernels without the switch.
set -u
probe=$(mktemp "${TMPDIR:-/tmp}/kxua-i386.XXXXXX") || exit 1
trap 'rm -f "$probe"' EXIT
# ELF header (52 bytes), one loadable segment (32 bytes), then the 9 bytes of code.
printf '%b' \
  '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
  '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
  '\x00\x00\x00\x00' \
  '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
  '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
  '\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
