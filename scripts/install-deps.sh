#!/usr/bin/env bash
# Installs the Debian packages Vandrix needs to build, run and test. Safe to run again: packages
# already present are skipped, so a machine that has everything does not touch the network.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libsqlite3-dev libssl-dev libfontconfig-dev libcurl4-openssl-dev nlohmann-json3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  ca-certificates fonts-dejavu-core fonts-urw-base35
  libspdlog-dev
  qpdf poppler-utils sqlite3
  chromium
  libpugixml-dev libxml2-utils default-jre-headless libsaxonhe-java
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
