#!/usr/bin/env bash
# Installs every Debian 12 package that the build, the tests and the run need. Idempotent.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6svg6
  libsnmp-dev snmpd snmp
  libssl-dev libjpeg-dev
  libgtest-dev
  xvfb xauth x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
# The snmpd package starts a system agent on port 161; the tests start their own agents.
if command -v systemctl >/dev/null 2>&1 && systemctl is-active --quiet snmpd 2>/dev/null; then
  $SUDO systemctl stop snmpd || true
fi
