#!/usr/bin/env bash
# Installs what building and testing need on Debian 12; does nothing when all is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmspack-dev
  clang libclang-rt-14-dev clang-format
  fonts-dejavu-core desktop-file-utils appstream dpkg-dev file locales
  units # GNU units: only the command-line conversion benchmark runs it
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Number text must not follow the locale; the tests prove it under a German one.
ensure_german_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$' && return 0
  $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $sudo locale-gen >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  ensure_german_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
ensure_german_locale
