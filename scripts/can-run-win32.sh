#!/usr/bin/env bash
# Exits 0 when this machine can run 32-bit Windows programs under Wine: Wine's 32-bit loader is a
# 32-bit Linux program, which some kernels and sandboxes refuse to execute ("Exec format error").
set -u
loader=/usr/lib/wine/wine
if [ ! -x "$loader" ]; then
  echo "can-run-win32: $loader is missing" >&2
  exit 1
fi
if ! "$loader" --version >/dev/null 2>&1; then
  echo "can-run-win32: $loader cannot be executed here: $("$loader" --version 2>&1 | head -n 1)" >&2
  exit 1
fi
exit 0
