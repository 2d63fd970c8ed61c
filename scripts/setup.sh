#!/usr/bin/env bash
# Installs the build and test dependencies from Debian's packages. Safe to run again:
# it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config file
  clang libclang-rt-14-dev lld
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcairo2-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386
  fonts-dseg fonts-liberation
  sox
  libcpp-httplib-dev libpng-dev   # gauge-host serve (the workbench)
  chromium nodejs                 # the workbench's browser test
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# npm comes with nodejs from some sources; Debian packages it apart.
if ! command -v npm >/dev/null 2>&1 && ! dpkg-query -W -f='${Status}' npm 2>/dev/null | grep -q "install ok installed"; then
  missing+=(npm)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi
