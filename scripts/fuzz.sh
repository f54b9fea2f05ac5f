#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (address and undefined-behaviour
# sanitizers on) and runs one of them for a while:
#     scripts/fuzz.sh TARGET [SECONDS]        default 60 seconds
#     scripts/fuzz.sh list                    the targets
# The run starts from the target's seeds in tests/fuzz/corpus/TARGET and keeps the
# inputs it finds in build-fuzz/corpus/TARGET; an input that breaks the target is
# written to build-fuzz/findings/TARGET/. Add a useful one to the seeds by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET [SECONDS]}
seconds=${2:-60}
if [ "$target" = list ]; then
    ls tests/fuzz/corpus
    exit 0
fi
[ -d "tests/fuzz/corpus/$target" ] || { echo "no fuzz target '$target'" >&2; exit 2; }
CXX=clang++ cmake -S tests/fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target "${target}_fuzz" -j2
mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
exec "build-fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target/" \
    "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target"
