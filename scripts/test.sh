#!/usr/bin/env bash
# Fresh machine -> installs what is missing, builds, runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"

# With QUORVEL_FUZZ=1: one minute of fuzzing each of the history text reader and the results page parser from
# its seed corpus (a copy, so the inputs it finds stay out of the tree). A crash fails the script; its input
# is left in build/fuzz-artifacts.
if [ "${QUORVEL_FUZZ:-0}" = 1 ]; then
  cmake --build build --target history_text_reader_fuzz results_page_fuzz
  mkdir -p build/fuzz-artifacts
  for target in history_text_reader_fuzz:fuzz-corpus results_page_fuzz:fuzz-corpus-pages; do
    corpus=$(mktemp -d)
    cp "tests/data/${target#*:}"/* "$corpus"
    "build/tests/fuzz/${target%%:*}" -max_total_time=60 -artifact_prefix=build/fuzz-artifacts/ "$corpus"
    rm -rf "$corpus"
  done
fi
