#!/usr/bin/env bash
# Builds everything and runs every test: native, native under ASan/UBSan (g++), under clang's UBSan
# (float-to-integer conversions included, which g++ does not check), the fuzz targets for a fixed
# number of executions each, and the real .gau modules under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

for preset in native asan ubsan fuzz win32; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  # Wine's loader is a 32-bit program; where the kernel refuses those, qemu's i386 emulator runs it.
  if [ "$preset" = win32 ] && ! scripts/setup-win32-emulation.sh; then
    echo "== win32: tests NOT RUN: this machine cannot execute 32-bit programs, so Wine cannot load the .gau"
    echo "   modules (they are built above; run 'ctest --preset win32' on a machine that can)."
    continue
  fi
  echo "== $preset: tests"
  ctest --preset "$preset" -j "$jobs"
done
echo "== all tests passed"
