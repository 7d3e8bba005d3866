#!/usr/bin/env bash
# Shared by scripts/run and scripts/test: installs what the build needs from
# Debian's packages (only what is missing) and configures a build folder.
set -euo pipefail

ZORIND_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ZORIND_ROOT

ZORIND_PACKAGES=(
  cmake g++ ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libopenblas-dev
  libeigen3-dev clang libdxflib-dev
  fonts-dejavu-core qt6-translations-l10n
  desktop-file-utils appstream shared-mime-info libxml2-utils man-db groff-base dpkg-dev file
)

zorind_install_packages() {
  local missing=()
  local pkg
  for pkg in "${ZORIND_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Instaluję brakujące pakiety: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# zorind_build DIR [cmake options...]
zorind_build() {
  local dir="$1"
  shift
  cmake -S "$ZORIND_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
