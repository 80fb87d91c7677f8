#!/usr/bin/env bash
# Drives the GUI under Xvfb through its main screens and saves PNGs in BUILD_DIR/screenshots/.
set -euo pipefail
build="${1:-build}"
cd "$(dirname "$0")/.."
out="$(cd "$build" && pwd)/screenshots"
mkdir -p "$out"
command -v xvfb-run > /dev/null || { echo "screenshots need xvfb (apt-get install xvfb xauth)"; exit 1; }
xvfb-run -a -s "-screen 0 1400x900x24" "$build/tests/gui_screenshots" "$out"
ls -1 "$out"
# The manual shows these pictures: every build and package stages the committed copies.
cp "$out"/*.png doc/manual/images/
echo "copied to doc/manual/images/ (commit them with the change they show)"
