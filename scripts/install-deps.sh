#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and is missing.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-translations-l10n libbenchmark-dev
          libfontconfig-dev pkg-config libxcb-damage0-dev
          desktop-file-utils graphviz gettext git dpkg-dev appstream lintian)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
