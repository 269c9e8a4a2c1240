#!/usr/bin/env bash
# build.sh <build-dir> <build-type>: configures (once) and builds the whole project.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build}"
type="${2:-Release}"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
