#!/usr/bin/env bash
# Builds the Debian package of the three programs into build-package/:
# tpw52_VERSION_ARCH.deb, with the dependencies dpkg-shlibdeps finds. Install it with
#   sudo apt install ./build-package/tpw52_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTPW52_BENCH=OFF >/dev/null
cmake --build build-package -j "$(nproc)" --target tpw52 tpw52-cli qz815-sim tpw52_data
(cd build-package && cpack -G DEB)
ls build-package/*.deb
