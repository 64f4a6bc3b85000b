#!/usr/bin/env bash
# Builds the Linux and the Windows program and runs every test: the unit
# tests and the end-to-end tests, natively and under Wine. Installs the
# Debian packages it needs when run as root. Exit status: ctest's.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

install_missing_packages
build_preset windows
build_preset native
echo "== Running the tests"
exec ctest --preset native --parallel 2 </dev/null
