#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; the GUI tests run offscreen.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
varelto_install_missing "${VARELTO_BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARELTO_CORE_ONLY=OFF >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# run.sh builds at -O3, where the compiler warns of things it does not see at -O2, and lets its
# warnings pass; this build stops at them. -Werror changes every compile command, so it has a
# directory of its own, or run.sh and test.sh would each rebuild everything after the other.
echo "== Release build of run.sh with warnings as errors"
cmake -S . -B build-release-werror -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARELTO_WERROR=ON >/dev/null
cmake --build build-release-werror -j "$jobs"

echo "== Every test again under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARELTO_CORE_ONLY=OFF \
  -DVARELTO_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== Parser fuzzing (fixed seed)"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARELTO_CORE_ONLY=ON \
    -DVARELTO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build build-fuzz -j "$jobs"
  ctest --test-dir build-fuzz --output-on-failure -L fuzz
fi
