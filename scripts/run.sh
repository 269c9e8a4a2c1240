#!/usr/bin/env bash
# Installs what is missing, builds the Release configuration and starts the desktop program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build/release" Release
exec "$root/build/release/apps/vek/vek" "$@"
