#!/usr/bin/env bash
# Writes the sections of docs/gauge-host.md that gauge-host makes from its own tables (the command
# and scenario references), in place. The test docs_current fails while they differ.
set -euo pipefail
cd "$(dirname "$0")/.."
host=${1:-build/native/bin/gauge-host}
"$host" help --markdown > build/generated-docs.md
python3 - build/generated-docs.md docs/gauge-host.md <<'PY'
import re, sys
generated = open(sys.argv[1]).read()
doc_path = sys.argv[2]
doc = open(doc_path).read()
for m in re.finditer(r'<!-- (.+?): made by .*?-->\n.*?<!-- end of \1 -->\n', generated, re.S):
    section, name = m.group(0), re.escape(m.group(1))
    pattern = re.compile(r'<!-- ' + name + r': made by .*?-->\n.*?<!-- end of ' + name + r' -->\n', re.S)
    if not pattern.search(doc):
        sys.exit(f"{doc_path} has no section '{m.group(1)}' to write")
    doc = pattern.sub(lambda _: section, doc)
open(doc_path, 'w').write(doc)
PY
echo "docs/gauge-host.md: generated sections written"
