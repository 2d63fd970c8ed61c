#!/usr/bin/env bash
# The main job: installs what is missing, builds both builds, puts the .gau modules into dist/, runs
# the demonstration on gauge-host (its trace on stdout, its pictures in dist/demo/), draws every gauge
# (dist/catalogue/) and packs the release a panel designer installs:
# dist/panel-gauges-<version>.tar.gz, the version from the VERSION file.
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

echo "== release"
version=$(tr -d ' \n' < VERSION)
name="panel-gauges-$version"
stage="dist/$name"
rm -rf "$stage" "dist/$name.tar.gz"
mkdir -p "$stage/Gauges" "$stage/examples" "$stage/reference/catalogue" "$stage/bin"
for module in "${modules[@]}"; do
  cp "dist/$module.gau" "$stage/Gauges/"
  cp -r "dist/catalogue/$module" "$stage/reference/catalogue/"
done
cp examples/*.cfg "$stage/examples/"
build/native/bin/gauge-host reference "${modules[@]}" --pictures catalogue -o "$stage/reference/parameters.md"
cp build/win32/bin/gauge-host.exe "$stage/bin/"
cp docs/install-guide.md "$stage/GUIDE.md"
{
  echo "panel gauges $version"
  if git rev-parse --short HEAD >/dev/null 2>&1; then echo "built from commit $(git rev-parse --short HEAD)"; fi
} > "$stage/VERSION.txt"
tar -czf "dist/$name.tar.gz" -C dist "$name"
echo "dist/$name.tar.gz: $(tar -tzf "dist/$name.tar.gz" | wc -l) files, $(du -h "dist/$name.tar.gz" | cut -f1)"
