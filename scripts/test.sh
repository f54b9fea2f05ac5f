#!/usr/bin/env bash
# Installs what is needed, checks the formatting, builds the normal and the
# sanitizer preset, runs every test, then clang-tidy.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
for preset in default sanitize; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j"$(nproc)"
    ctest --preset "$preset" -j"$(nproc)"
done
scripts/tidy.sh
