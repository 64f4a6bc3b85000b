#!/usr/bin/env bash
# Installs what is missing, builds, and runs one PRTG poll against the demo
# landscape in demo/: the Windows program is installed under Wine into PRTG's
# custom-sensor folder of a private prefix, as an operator would, and started
# there the way PRTG starts an EXE/XML sensor.
#
#   scripts/demo.sh                  the overview of all user sensors of PRD
#   scripts/demo.sh PRD USERS        the arguments PRTG would pass
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

if [ $# -eq 0 ]; then
  set -- PRD "SENSOR(S)"
fi

install_missing_packages
build_preset windows
build_preset native

prefix=$PWD/build/demo/wineprefix
use_wine_prefix "$prefix"
if [ ! -f "$prefix/system.reg" ]; then
  echo "== Creating the Wine prefix $prefix"
  mkdir -p "$(dirname "$prefix")"
  "$WINE_LOADER" wineboot --init </dev/null >"$prefix.log" 2>&1
  "$WINE_SERVER" -w
fi
# One server for all runs below (an idle one ending by itself could race the
# next start); ended on the way out.
"$WINE_SERVER" -p </dev/null >/dev/null 2>&1 || true
trap '"$WINE_SERVER" -k 2>/dev/null; "$WINE_SERVER" -w 2>/dev/null || true' EXIT

# PRTG's layout: C:\PRTG_Path.Txt names the folder that holds the
# installation; the sensor and its files lie in its EXEXML folder.
sensors_win='C:\Program Files\PRTG Network Monitor\Custom Sensors\EXEXML'
sensors="$prefix/drive_c/Program Files/PRTG Network Monitor/Custom Sensors/EXEXML"
echo "== Installing the sensor into $sensors_win"
mkdir -p "$sensors"
cp build/windows/install/bin/* "$sensors/"
find demo -maxdepth 1 -type f ! -name '*.md' -exec cp {} "$sensors/" \;
printf 'C:\\Program Files\r\n' >"$prefix/drive_c/PRTG_Path.Txt"

cd "$sensors"
out=$(mktemp)
for profile in *.P00; do
  [ -e "$profile" ] || continue
  "$WINE_LOADER" fernwatch-profile.exe check "$profile" </dev/null >"$out" 2>&1 || {
    echo "The demo profile $profile is not usable:" >&2
    tr -d '\r' <"$out" >&2
    exit 1
  }
  echo "== Profile $profile: $(tr -d '\r' <"$out")"
done

echo "== PRTG poll: fernwatch.exe $*"
status=0
"$WINE_LOADER" "$sensors_win\\fernwatch.exe" "$@" </dev/null >"$out" 2>&1 || status=$?
tr -d '\r' <"$out"
rm -f "$out"
echo "== Exit status: $status"
