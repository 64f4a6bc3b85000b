#!/usr/bin/env bash
# Builds the Linux program and the 64-bit and 32-bit Windows programs and
# runs every test: the unit tests and the end-to-end tests, natively and
# under Wine. Installs the Debian packages it needs when run as root.
# Exit status: ctest's.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

install_missing_packages
build_preset windows
build_preset windows-x86
build_preset native
echo "== Running the tests"
exec ctest --preset native --parallel 2 </dev/null
