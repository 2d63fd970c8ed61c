#!/usr/bin/env bash
# Makes the generated parts of the docs again from the native build: docs/parameters.md whole (the
# gauges' parameter texts and the gauge reference) and, in docs/gauge-host.md, the command reference
# and the names of variables and events. The native tests fail while either differs.
set -euo pipefail
cd "$(dirname "$0")/.."
host=build/native/bin/gauge-host
[ -x "$host" ] || { echo "update-docs: build the native preset first ($host is missing)" >&2; exit 1; }
mapfile -t modules < <(scripts/modules.sh)
"$host" reference "${modules[@]}" -o docs/parameters.md
block=$(mktemp)
trap 'rm -f "$block"' EXIT
"$host" help --markdown > "$block"
python3 - "$block" docs/gauge-host.md <<'PY'
import sys
block = open(sys.argv[1]).read()
path = sys.argv[2]
doc = open(path).read()
start = doc.index("<!-- gauge-host help --markdown -->")
end_marker = "<!-- end of gauge-host help --markdown -->\n"
end = doc.index(end_marker) + len(end_marker)
open(path, "w").write(doc[:start] + block + doc[end:])
PY
echo "docs/parameters.md and docs/gauge-host.md made from $host"
