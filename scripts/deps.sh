#!/usr/bin/env bash
# Installs the Debian 12 packages jiaoyan needs to build, run, test and benchmark.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev libgl-dev libpng-dev zlib1g-dev libssl-dev nettle-dev
  libgtest-dev libbenchmark-dev hyperfine rhash time
  clang libclang-rt-14-dev
  xvfb xauth xdotool xclip x11-utils fonts-wqy-microhei
  python3 python3-gi python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus-daemon
  desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
