#!/usr/bin/env bash
# Renders the application icon (packaging/icons/tpw52.svg) into the PNG sizes of the icon
# theme, packaging/icons/NxN.png. Run it after changing the SVG and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
if ! command -v rsvg-convert >/dev/null; then
  echo "rsvg-convert is missing: install the Debian package librsvg2-bin and run this again." >&2
  exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" tpw52.svg --output "${size}x${size}.png"
done
ls
