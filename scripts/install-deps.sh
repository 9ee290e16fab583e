#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the main job need, when any is missing.
# --fuzz adds the compiler and runtime of the fuzz targets (scripts/fuzz.sh).
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libsnmp-dev snmpd snmp
  libgtest-dev
  xvfb xauth imagemagick
  # The tests start the module with the host name "localhost": it resolves even where no
  # /etc/hosts names it (a bare Debian root made by debootstrap has none).
  libnss-myhostname
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
