#!/usr/bin/env bash
# The main job on the bundled demo set-up: scripts/demo.sh BUILD_DIR
set -euo pipefail
build="${1:-build}"
stage="$(cd "$build/stage" && pwd)"
lumora="$stage/bin/lumora"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export LUMORA_MACHINE_CONFIG="$work/machine.conf"

echo "== The demo project"
"$lumora" --install-dir "$stage" show "$stage/Project/demo-qm210.lmx"
"$lumora" --install-dir "$stage" check "$stage/Project/demo-qm210.lmx"
"$lumora" --install-dir "$stage" save-as "$stage/Project/demo-qm210.lmx" "$work/demo-copy.lmx"
echo "Saved again as $work/demo-copy.lmx"
