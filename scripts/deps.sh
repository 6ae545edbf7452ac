#!/usr/bin/env bash
# Installs the Debian 12 packages Kivvo needs to build, test and run. Safe to run again:
# only what is missing is installed.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    python3-aiosmtpd openssl
    libbenchmark-dev
    qtkeychain-qt6-dev gnome-keyring dbus-daemon dbus-bin libsecret-tools
    clang libclang-rt-14-dev
    dpkg-dev file appstream desktop-file-utils man-db groff-base bash-completion lintian strace
    xvfb openbox xdotool x11-utils x11-xserver-utils poppler-utils fonts-wqy-microhei
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
