#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Varnel need
# (clang and its libFuzzer for scripts/fuzz.sh, clang-format and clang-tidy for
# the format and tidy checks), when any of them is missing.
set -euo pipefail
packages=(build-essential cmake ccache qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libicu-dev fonts-dejavu-core fonts-liberation xvfb xauth poppler-utils
          desktop-file-utils appstream man-db groff-base dpkg-dev file
          clang libclang-rt-14-dev clang-format clang-tidy)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
