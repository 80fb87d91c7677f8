#!/usr/bin/env bash
# The main job on the bundled demo set-up: scripts/demo.sh BUILD_DIR [--cli]
#
# Starts lumora-panel-sim as "COM1" of a private machine-wide configuration, then opens the Lumora Write
# Utility on the demo project. Without a display (or with --cli) the command-line tool writes the demo
# project to the simulated panel, reads it back and verifies it.
set -euo pipefail
build="${1:-build}"
mode="${2:-}"
stage="$(cd "$build/stage" && pwd)"
work="$(mktemp -d)"
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A private machine-wide configuration: COM1 is the simulated panel.
export LUMORA_MACHINE_CONFIG="$work/machine.conf"
cat > "$LUMORA_MACHINE_CONFIG" <<CONF
[General]
Install%20Dir=$stage
Port=COM1
COM1=$work/COM1
CONF

"$stage/bin/lumora-panel-sim" --panel QM210 --link "$work/COM1" --state "$work/panel.json" > "$work/sim.out" &
sim_pid=$!
for _ in $(seq 50); do [ -e "$work/COM1" ] && break; sleep 0.1; done
echo "Simulated QM210 panel on $(head -1 "$work/sim.out") (COM1)"

project="$stage/Project/demo-qm210.lmx"
gui="$stage/bin/lumora-write-utility"
if [ "$mode" != "--cli" ] && [ -x "$gui" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  echo "Opening the Lumora Write Utility on $project"
  cp "$project" "$work/demo-qm210.lmx"
  "$gui" --open "$work/demo-qm210.lmx"
  exit 0
fi
if [ "$mode" != "--cli" ]; then
  echo "No display is available: running the command-line demo instead."
fi

lumora="$stage/bin/lumora"
echo "== The demo project"
"$lumora" show "$project"
echo "== Write it to the panel"
"$lumora" write "$project" --log "$work/Write.txt"
echo "== Read it back"
"$lumora" read "$work/read-back.lmx"
"$lumora" show "$work/read-back.lmx" | head -3
echo "== Verify"
"$lumora" verify "$project" --diff
echo "== The panel"
"$lumora" info
"$stage/bin/lumora-panel-sim" display --state "$work/panel.json" --show 1
