#!/usr/bin/env bash
# Renders the first two pages of the demo project's documentation to PNG in BUILD_DIR/docs-sample/.
set -euo pipefail
build="${1:-build}"
cd "$(dirname "$0")/.."
out="$(cd "$build" && pwd)/docs-sample"
mkdir -p "$out"
command -v pdftoppm > /dev/null || { echo "docs-sample needs pdftoppm (apt-get install poppler-utils)"; exit 1; }
stage="$build/stage"
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
LUMORA_MACHINE_CONFIG="$config/machine.conf" XDG_CONFIG_HOME="$config" \
  "$stage/bin/lumora" --install-dir "$stage" report "$stage/Project/demo-qm210.lmx" -o "$out/demo-report.pdf" \
  --paper a4
pdftoppm -r 100 -f 1 -l 2 -png "$out/demo-report.pdf" "$out/demo-report"
ls -1 "$out"
