#!/usr/bin/env bash
# Installs what is missing, builds, and runs PRTG polls against the demo
# landscape in demo/: the Windows program is installed under Wine into PRTG's
# custom-sensor folder of a private prefix, as an operator would, and started
# there the way PRTG starts an EXE/XML sensor.
#
#   scripts/demo.sh                  the user sensor USERS of PRD, the listing
#                                    run GLOBAL BACKUP over the four demo
#                                    systems, then the Quorvane front-end's
#                                    text form of the Linux build
#   scripts/demo.sh PRD "SENSOR(S)"  one poll with the arguments PRTG would pass
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$PWD
. scripts/common.sh

demo_tour=no
if [ $# -eq 0 ]; then
  demo_tour=yes
  set -- PRD USERS
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

poll() {
  echo "== PRTG poll: fernwatch.exe $*"
  local status=0
  "$WINE_LOADER" "$sensors_win\\fernwatch.exe" "$@" </dev/null >"$out" 2>&1 || status=$?
  tr -d '\r' <"$out"
  echo "== Exit status: $status"
}

poll "$@"
if [ "$demo_tour" = yes ]; then
  poll GLOBAL BACKUP
  # A sibling front-end is designated by a marker file beside the program.
  frontend=$(mktemp -d)
  cp "$repo"/build/native/install/bin/* "$frontend/"
  : >"$frontend/Quorvane.Frontend"
  echo "== Quorvane front-end (Linux build): fernwatch PRD USERS"
  status=0
  "$frontend/fernwatch" PRD USERS || status=$?
  echo "== Exit status: $status"
  rm -rf "$frontend"
fi
rm -f "$out"
