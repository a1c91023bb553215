#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the texts of the sources: a new text
# comes in unfinished (Qt Linguist shows it to the translator), a text no source has any more
# is dropped. Run it after changing a text, translate the new entries, and commit both.
#   scripts/update-translations.sh            every catalogue
#   scripts/update-translations.sh de         one of them
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(de nl fr)
catalogues=()
for language in "${languages[@]}"; do catalogues+=("translations/tpw52_${language}.ts"); done

# The core marks its texts with TPW_TEXT(context, text), which reads as QT_TRANSLATE_NOOP.
# No line numbers: a moved text then changes no catalogue.
"$lupdate" -silent -locations none -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=TPW_TEXT \
  src -ts "${catalogues[@]}"
