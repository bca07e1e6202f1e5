#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the program and the tests need, if missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libfontconfig-dev libjpeg-dev
    libzip-dev
    libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libopencv-imgproc-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-liberation2 fonts-dejavu-core
    xvfb xauth imagemagick poppler-utils python3-matplotlib
    jupyter-nbconvert python3-nbconvert python3-ipykernel
    dpkg-dev appstream desktop-file-utils lintian
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installation des paquets manquants : ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
