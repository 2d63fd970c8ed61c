#!/usr/bin/env bash
# Prints the names of the modules we ship, one a line, from modules.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
awk '/^[A-Za-z]/ { print $1 }' modules.txt
