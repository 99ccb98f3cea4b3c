#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsqlite3-dev libsqlitecpp-dev
  # Qt Charts' CMake package needs Qt OpenGL's, which Debian ships in libqt6opengl6-dev.
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  libxlsxwriter-dev libzip-dev
  libcli11-dev nlohmann-json3-dev
  libgumbo-dev libcpp-httplib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-qpa-plugins fonts-noto-cjk
  # pdftotext and pdfinfo read back the PDFs the window writes in the end-to-end tests.
  poppler-utils
  # lrelease and its CMake functions build the translations; Qt's own texts in Chinese come from its catalogues.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # The Windows cross compiler: the test mingw_core_check compiles the core and the command line with it.
  g++-mingw-w64-x86-64-posix
)
# The fuzz run of scripts/test.sh builds with clang and its libFuzzer.
if [ "${QUORVEL_FUZZ:-0}" = 1 ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
