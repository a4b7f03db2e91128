#!/usr/bin/env bash
# Installs what is missing, builds Varelto in Release and starts it on the user's display.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
varelto_install_missing "${VARELTO_BUILD_PACKAGES[@]}"

# A user's build must not stop at a warning of a newer compiler; CI keeps warnings as errors.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARELTO_WERROR=OFF >/dev/null
cmake --build build-release -j "$(nproc)" --target varelto

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start Varelto on a virtual one with: xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec build-release/src/app/varelto
