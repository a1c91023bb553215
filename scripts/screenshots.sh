#!/usr/bin/env bash
# Renders the main views of the desktop application offscreen into docs/screenshots/ (the
# pictures of the README).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target tpw52-screenshots
QT_QPA_PLATFORM=offscreen build/bin/tpw52-screenshots docs/screenshots
ls docs/screenshots
