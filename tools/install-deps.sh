#!/usr/bin/env bash
# Installs the Debian packages Zentrel needs to build, test and run, when any is missing.
set -euo pipefail
packages=(build-essential cmake ccache pkg-config qt6-base-dev qt6-qpa-plugins libsqlite3-dev
          libgtest-dev xvfb xauth fonts-dejavu-core sqlite3
          fonts-liberation2 poppler-utils chromium qt6-translations-l10n fet imagemagick
          file dpkg-dev lintian desktop-file-utils libxml2-utils man-db bash-completion)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
