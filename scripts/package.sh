#!/usr/bin/env bash
# Builds the 64-bit and the 32-bit Windows program and writes the operator's
# packages, build/package/fernwatch-<version>-win64.zip and -win32.zip, with
# the version of the CMake project, which the program's banner shows.
# packaging/package.cmake says what a zip holds. Installs the Debian packages
# it needs when run as root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

install_missing_packages
mkdir -p build/package
for preset in windows windows-x86; do
  build_preset "$preset"
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "build/$preset/CMakeCache.txt")
  cmake -DBIN_DIR="build/$preset/install/bin" -DVERSION="$version" \
        -DOUTPUT_DIR=build/package -P packaging/package.cmake
done
