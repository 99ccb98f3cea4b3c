#!/usr/bin/env bash
# Fresh machine -> installs what is missing, builds Release, starts quorvel.
# Until the window exists this runs the command line with the given arguments.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF >&2
cmake --build "$root/build-release" -j"$(nproc)" >&2
exec "$root/build-release/src/cli/quorvel-cli" "$@"
