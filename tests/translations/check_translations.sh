#!/usr/bin/env bash
# Fails when a text the sources mark for translation is missing from a translation file (or the file holds
# texts the sources no longer have: scripts/update-translations.sh was not run), when a translation we ship
# leaves a text unfinished, when a translation drops or adds a placeholder (%1, %2, ...), and when a
# translation has a character Latin-1 lacks (the core's texts, the pages and many prompts hold Latin-1).
#   check_translations.sh SOURCE_DIR LUPDATE [SHIPPED_LANGUAGE ...]
set -uo pipefail
source_dir="$1"
lupdate="$2"
shift 2
shipped=" $* "
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$source_dir"/translations/lumora_*.ts; do
  name="$(basename "$ts")"
  cp "$ts" "$scratch/$name"
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui "$source_dir/src" -ts "$scratch/$name"
  # context and source of every text, a line each
  sources() {
    perl -0777 -ne 'while (/<context>\s*<name>(.*?)<\/name>(.*?)<\/context>/sg) { my ($c, $b) = ($1, $2);
      while ($b =~ /<source>(.*?)<\/source>/sg) { my $s = $1; $s =~ s/\n/\\n/g; print "$c: $s\n" } }' "$1" | sort -u
  }
  missing="$(comm -13 <(sources "$ts") <(sources "$scratch/$name"))"
  stale="$(comm -23 <(sources "$ts") <(sources "$scratch/$name"))"
  if [ -n "$missing" ] || [ -n "$stale" ]; then
    echo "$name is behind the sources; run scripts/update-translations.sh. Missing:"
    head -20 <<< "$missing"
    echo "No longer in the sources:"
    head -20 <<< "$stale"
    status=1
  fi
  language="${name#lumora_}"
  language="${language%.ts}"
  unfinished="$(grep -c 'type="unfinished"' "$ts")"
  if [ "$unfinished" != "0" ] && [[ "$shipped" == *" $language "* ]]; then
    echo "$name: $unfinished text(s) unfinished, for example:"
    perl -0777 -ne 'while (/<source>(.*?)<\/source>\s*<translation type="unfinished"/sg) { print "  $1\n" }' "$ts" | head -10
    status=1
  fi
  problems="$(perl -CSD -0777 -ne 'while (/<context>\s*<name>(.*?)<\/name>(.*?)<\/context>/sg) {
      my ($context, $body) = ($1, $2);
      while ($body =~ /<message[^>]*>(.*?)<\/message>/sg) {
        my $message = $1;
        my ($source) = $message =~ /<source>(.*?)<\/source>/s;
        my ($text) = $message =~ /<translation[^>]*>(.*?)<\/translation>/s;
        next if !defined $source || !defined $text || $text eq "";
        my @forms = $text =~ /<numerusform>(.*?)<\/numerusform>/sg;
        @forms = ($text) unless @forms;
        my $wanted = join(",", sort keys %{{ map { $_ => 1 } ($source =~ /%(\d+)/g) }});
        for my $form (@forms) {
          my $found = join(",", sort keys %{{ map { $_ => 1 } ($form =~ /%(\d+)/g) }});
          print "  $context: placeholders $found instead of $wanted: $source\n" if $wanted ne $found;
          print "  $context: not Latin-1: $form\n" if $form =~ /[^\x{00}-\x{FF}]/;
        }
      } }' "$ts")"
  if [ -n "$problems" ]; then
    echo "$name: translations that cannot be shown as they stand:"
    head -20 <<< "$problems"
    status=1
  fi
done
exit $status
