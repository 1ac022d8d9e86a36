#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  clang-format                         # scripts/format.sh: the house format, checked by the tests
  qt6-base-dev libgl-dev
  googletest libgtest-dev
  fonts-liberation
  dpkg-dev file desktop-file-utils appstream
  librsvg2-bin                         # renders the icon at build time
  lintian man-db                       # the package test: the package checker, the manual page
  weston qt6-wayland xvfb x11-utils    # the package test: the window on Wayland and on X11
  poppler-utils                        # the print test reads the printed PDF back, the look test renders it
  locales
)
[ "${1:-}" != --fuzz ] || { shift; packages+=(clang-14 libclang-rt-14-dev); }  # scripts/fuzz.sh: clang 14 and its libFuzzer
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number text is checked under a locale whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
