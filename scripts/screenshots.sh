#!/usr/bin/env bash
# Drives the GUI under Xvfb through its main screens and saves PNGs in BUILD_DIR/screenshots/, and the same
# in German (screenshots-de/) and in the pseudo-translation that shows cut or crowded layouts
# (screenshots-pseudo/).
set -euo pipefail
build="${1:-build}"
cd "$(dirname "$0")/.."
command -v xvfb-run > /dev/null || { echo "screenshots need xvfb (apt-get install xvfb xauth)"; exit 1; }
for language in en de pseudo; do
  out="$(cd "$build" && pwd)/screenshots"
  [ "$language" = en ] || out="$out-$language"
  mkdir -p "$out"
  xvfb-run -a -s "-screen 0 1400x900x24" "$build/tests/gui_screenshots" "$out" "$language"
  ls -1 "$out"
done
# The manual shows the English pictures: every build and package stages the committed copies.
cp "$(cd "$build" && pwd)/screenshots"/*.png doc/manual/images/
echo "copied to doc/manual/images/ (commit them with the change they show)"
