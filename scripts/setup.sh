#!/usr/bin/env bash
# Installs what Velmora needs to build, test and run on Debian 12.
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libsqlite3-dev libjpeg62-turbo-dev libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-zenhei qt6-translations-l10n xvfb xauth poppler-utils unzip
  unicode-data opencc libopencc-data
  desktop-file-utils appstream lintian
  x11-utils bc
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi
