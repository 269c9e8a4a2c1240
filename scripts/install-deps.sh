#!/usr/bin/env bash
# Installs every Debian package the project needs; does nothing when all are present.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  libcpp-httplib-dev
  xvfb xauth imagemagick poppler-utils
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
