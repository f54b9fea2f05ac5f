#!/usr/bin/env bash
# Installs what is needed, builds Varnel and starts it on its default contact file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"
exec build/varnel
