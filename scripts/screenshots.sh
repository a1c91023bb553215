#!/usr/bin/env bash
# Renders the main views of the desktop application offscreen into docs/screenshots/ (the
# pictures of the README), and the first sheet of the USA channels as tpw52-cli prints it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target tpw52-screenshots tpw52-cli
QT_QPA_PLATFORM=offscreen build/bin/tpw52-screenshots docs/screenshots
# The Common Setup page and the channel panel in German, under a dark and a high-contrast
# palette, and at twice the scale.
for variant in de dark contrast; do
  QT_QPA_PLATFORM=offscreen build/bin/tpw52-screenshots docs/screenshots "$variant"
done
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/bin/tpw52-screenshots docs/screenshots scale2
pdf=$(mktemp --suffix=.pdf)
trap 'rm -f "$pdf"' EXIT
build/bin/tpw52-cli print build/bin/QZ815_USA_012D.ini --pdf "$pdf"
pdftoppm -png -r 60 -f 2 -l 2 -singlefile "$pdf" docs/screenshots/printed-page
ls docs/screenshots
