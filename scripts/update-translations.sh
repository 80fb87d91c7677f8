#!/usr/bin/env bash
# Refreshes the translation files in translations/ from the sources (lupdate): new texts come in unfinished,
# texts no longer in the sources go. No line numbers are kept, so a change of the code alone changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
for ts in translations/lumora_*.ts; do
  case "$ts" in *_pseudo.ts) continue ;; esac
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui src -ts "$ts"
done
