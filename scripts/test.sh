#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build/test" Release
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build/test" --output-on-failure --parallel "$(nproc)"
