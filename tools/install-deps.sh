#!/bin/sh
# Installs what Kalvix needs to build, test and run on Debian 12.
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
  cmake make g++ pkg-config openssl ca-certificates \
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev \
  libquazip1-qt5-dev libssl-dev zlib1g-dev libxlsxwriter-dev \
  python3-openpyxl \
  xvfb xauth poppler-utils fonts-dejavu-core dpkg-dev
