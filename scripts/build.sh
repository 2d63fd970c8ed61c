#!/usr/bin/env bash
# The main job: installs what is missing, builds both builds, puts the .gau modules into dist/ and
# runs the demonstration on gauge-host (its trace on stdout, its pictures in dist/demo/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

echo "== native build"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"

echo "== win32 build (the .gau modules)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"

mapfile -t modules < <(scripts/modules.sh)
mkdir -p dist
for module in "${modules[@]}"; do
  cp "build/win32/modules/$module.gau" dist/
  echo "dist/$module.gau: $(file -b "dist/$module.gau")"
done

echo "== demonstration: the embedded default"
build/native/bin/gauge-host demo --out dist/demo
echo "== the stall lamp"
build/native/bin/gauge-host run scenarios/stall_lamp.scn --out dist/demo
echo "== catalogue: every gauge drawn"
for module in "${modules[@]}"; do
  build/native/bin/gauge-host catalogue "$module" --out "dist/catalogue/$module"
done
echo "pictures in dist/demo: $(cd dist/demo && ls *.png | tr '\n' ' ')"
