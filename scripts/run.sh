#!/usr/bin/env bash
# Fresh machine -> installs what is missing, builds Release, starts the window quorvel with the given
# arguments (--data-dir DIR, --screenshot PATH); `run.sh --cli ARGS` runs the command line quorvel-cli instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF >&2
cmake --build "$root/build-release" -j"$(nproc)" >&2
if [ "${1:-}" = "--cli" ]; then
  shift
  exec "$root/build-release/src/cli/quorvel-cli" "$@"
fi
exec "$root/build-release/src/gui/quorvel" "$@"
