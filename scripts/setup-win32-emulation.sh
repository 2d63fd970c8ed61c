#!/usr/bin/env bash
# Lets a machine whose kernel refuses 32-bit programs ("Exec format error") run them all the same,
# so that Wine can load the 32-bit .gau modules: qemu's user-mode i386 emulator is registered with
# the kernel's binfmt_misc as the interpreter of 32-bit x86 programs.
#
# qemu 7.2 (Debian 12's own) is not enough: under it Wine's service processes spin forever re-mapping
# the same pages when a prefix starts. qemu 8 or later runs Wine well; Debian 12 takes it from
# bookworm-backports.
#
# Does nothing where 32-bit programs already run. Exits 0 when they run at the end, 1 when they still
# cannot (no root, no binfmt_misc, no package); the callers then skip the Wine tests and say so.
set -uo pipefail

loader=/usr/lib/wine/wine
runs_32bit() { "$loader" --version >/dev/null 2>&1; }

[ -x "$loader" ] || { echo "win32 emulation: $loader is missing (run scripts/setup.sh first)" >&2; exit 1; }
runs_32bit && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "win32 emulation: not root and no sudo: cannot register an emulator for 32-bit programs" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi

qemu_major() { qemu-i386 --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p'; }

if [ "$(qemu_major)" = "" ] || [ "$(qemu_major)" -lt 8 ]; then
  export DEBIAN_FRONTEND=noninteractive
  . /etc/os-release
  suite="${VERSION_CODENAME:-}-backports"
  if [ "${VERSION_CODENAME:-}" = bookworm ] && ! grep -rqs "$suite" /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "win32 emulation: adding $suite for qemu 8 or later"
    printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$suite" | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/gauge-backports.sources >/dev/null
  fi
  "${sudo_cmd[@]}" apt-get update -q >/dev/null
  if [ "${VERSION_CODENAME:-}" = bookworm ]; then
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends -t "$suite" qemu-user >/dev/null
  else
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends qemu-user >/dev/null
  fi
fi
major=$(qemu_major)
if [ "$major" = "" ] || [ "$major" -lt 8 ]; then
  echo "win32 emulation: qemu-i386 8 or later is needed, found '${major:-none}'" >&2
  exit 1
fi

binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null ||
    { echo "win32 emulation: cannot mount binfmt_misc" >&2; exit 1; }
fi
if [ ! -e "$binfmt/qemu-i386" ]; then
  # 32-bit little-endian x86 executables and shared objects (ELF class 1, machine 3).
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:$(command -v qemu-i386):" | "${sudo_cmd[@]}" tee "$binfmt/register" >/dev/null ||
    { echo "win32 emulation: the kernel refused the binfmt_misc entry" >&2; exit 1; }
fi

if runs_32bit; then
  echo "win32 emulation: 32-bit programs run through qemu-i386 $major"
  exit 0
fi
echo "win32 emulation: 32-bit programs still do not run: $("$loader" --version 2>&1 | head -n 1)" >&2
exit 1
