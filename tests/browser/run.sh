#!/bin/sh
# Runs the workbench's browser test: run.sh GAUGE_HOST BUILD_DIR REPO_ROOT.
# puppeteer-core comes from package-lock.json through npm ci, into BUILD_DIR/npm, again only when
# the lock file changes. Without chromium the test is skipped (exit 77); without node it fails.
set -eu
gauge_host=$1
build=$2
repo=$3
chromium=${CHROMIUM:-/usr/bin/chromium}
if [ ! -x "$chromium" ]; then
  echo "SKIP: $chromium is not installed (scripts/setup.sh installs it)"
  exit 77
fi
for tool in node npm; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: run scripts/setup.sh" >&2
    exit 1
  fi
done
npm_dir=$build/npm
mkdir -p "$npm_dir"
if ! cmp -s "$repo/tests/browser/package-lock.json" "$npm_dir/package-lock.json" ||
   [ ! -f "$npm_dir/node_modules/puppeteer-core/package.json" ]; then
  cp "$repo/tests/browser/package.json" "$repo/tests/browser/package-lock.json" "$npm_dir/"
  (cd "$npm_dir" && npm ci --no-audit --no-fund --loglevel=error)
fi
exec node "$repo/tests/browser/workbench.test.mjs" "$gauge_host" "$npm_dir" "$build" "$repo"
