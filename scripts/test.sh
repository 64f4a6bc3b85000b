#!/usr/bin/env bash
# Builds the Linux program and the 64-bit and 32-bit Windows programs and
# runs every test: the unit tests, the replays of the fuzz corpus and the
# end-to-end tests, natively and under Wine; then all but the Wine tests
# once more in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
# Installs the Debian packages it needs when run as root. Exit status: 0
# when every test passed and none under Wine was skipped (ctest alone skips
# the tests of a Windows build that is not installed).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

install_missing_packages
build_preset windows
build_preset windows-x86
build_preset native
build_preset asan
status=0
echo "== Running the tests"
log=build/native/Testing/test-sh.log
mkdir -p "$(dirname "$log")"
ctest --preset native --parallel 2 </dev/null | tee "$log" || status=1
# ctest lists what it skipped under "The following tests did not run".
if grep -qE '^[[:space:]]*[0-9]+ - e2e\.windows[^ ]* \(Skipped\)$' "$log"; then
  echo "== Tests under Wine were skipped; every one must run here:" >&2
  grep -E '^[[:space:]]*[0-9]+ - e2e\.windows[^ ]* \(Skipped\)$' "$log" >&2
  status=1
fi
echo "== Running the tests with the sanitizers"
ctest --preset asan --parallel 2 </dev/null || status=1
exit $status
