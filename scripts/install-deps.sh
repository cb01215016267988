#!/usr/bin/env bash
# Installs the Debian packages a fresh machine lacks for building and testing.
set -euo pipefail

packages=(cmake make g++ ccache libgtest-dev libgmock-dev libbenchmark-dev qpdf poppler-utils poppler-data fonts-ipafont-mincho libwmf-bin fonts-urw-base35 librsvg2-bin
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-ipafont-gothic xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q "${missing[@]}"
