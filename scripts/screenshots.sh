#!/usr/bin/env bash
# Drives the GUI under Xvfb through its main screens and saves PNGs in BUILD_DIR/screenshots/, and the same
# in German (screenshots-de/) and in the pseudo-translation that shows cut or crowded layouts
# (screenshots-pseudo/), and every window of the language walk in both (screenshots-walk/).
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
# Every window of the language walk, in German and in the pseudo-translation (screenshots-walk/).
walk="$(cd "$build" && pwd)/screenshots-walk"
mkdir -p "$walk"
# (The test binary holds other test classes, which do not know the function: only the walk's result counts.)
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LUMORA_WALK_PICTURES="$walk" "$build/tests/gui_tests" \
  everyWindowSpeaksTheLanguageAndShowsItsTextsWhole > "$walk/walk.log" 2>&1 || true
grep -q "^PASS   : LumoraViewTest::everyWindowSpeaksTheLanguageAndShowsItsTextsWhole(German)" "$walk/walk.log" ||
  { grep -v propagateSizeHints "$walk/walk.log"; exit 1; }
ls -1 "$walk"
# The manual shows the English pictures: every build and package stages the committed copies.
cp "$(cd "$build" && pwd)/screenshots"/*.png doc/manual/images/
echo "copied to doc/manual/images/ (commit them with the change they show)"
