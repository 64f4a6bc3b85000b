#!/usr/bin/env bash
# Measures what a poll costs against the floor of starting a process, and
# how runs grow with their work. A benchmark, not a test: it prints figures
# and judges nothing; the test suite holds no timings. Two figures have
# targets: a poll against the floor (a ratio of at most 1.3) and its peak
# RSS (at most the floor's + 1 MiB). How listing runs and polls grow with
# their systems and rows (target "-") is printed for the record: the
# stand-in library serves those rows, and a real poll waits on SAP.
#
#   scripts/bench.sh            the native figures, then the Windows build
#                               under Wine against a floor .exe, for the record
#   scripts/bench.sh --native   the native figures only
#
# Environment: BENCH_RUNS, the runs of each command (default 31, at least
# 21). Everything is built and generated below build/: the Release build in
# build/bench-native (and build/bench-windows), the programs and the
# working directories in build/bench.
#
# Each figure is the median of alternating runs of two commands (A, B, A,
# B, ...), so that a machine growing busier or quieter weighs on both
# alike; the ratio is B's median over A's. Peak RSS comes from wait4.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/common.sh

runs=${BENCH_RUNS:-31}
if [ "$runs" -lt 21 ]; then
  echo "BENCH_RUNS must be at least 21" >&2
  exit 2
fi
with_wine=yes
[ "${1:-}" = --native ] && with_wine=no

install_missing_packages

bench=$PWD/build/bench
bin=$bench/bin
mkdir -p "$bin"

echo "== Building the native program (Release) in build/bench-native"
cmake -S . -B build/bench-native -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERNWATCH_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX="$PWD/build/bench-native/install" >/dev/null
cmake --build build/bench-native --parallel 2 >/dev/null
cmake --install build/bench-native >/dev/null
cp build/bench-native/install/bin/* "$bin/"
# A designated front-end reads its profiles from the working directory and
# writes the same document as a PRTG poll.
: >"$bin/Tessiva.Frontend"

echo "== Building the floor program and the runner"
cc -O2 -shared -fPIC -o "$bin/libfloor.so" bench/floor_library.c
cc -O2 -o "$bin/floor" bench/floor.c -L"$bin" -lfloor -Wl,-rpath,'$ORIGIN'
cc -O2 -static -o "$bench/alternate" bench/alternate.c

echo "== Generating the landscapes in build/bench"
password=$(printf 'secret\n' | "$bin/fernwatch-profile" encode)
python3 bench/generate.py "$bench" "$password"

# The polls must print what the floor prints, and the listing runs must
# process every system, or the figures below would time something else.
check_output() {
  local directory=$1 expected=$2
  shift 2
  local got
  got=$(cd "$directory" && "$@")
  if ! grep -qF -- "$expected" <<<"$got"; then
    echo "bench: $* in $directory did not print: $expected" >&2
    exit 1
  fi
}
floor_document=$("$bin/floor")
if [ "$(cd "$bench/poll-4" && "$bin/fernwatch" PRD USERS)" != "$floor_document" ]; then
  echo "bench: the worked example's poll does not print the floor's document" >&2
  exit 1
fi
check_output "$bench/poll-10000" '<Value>9998</Value>' "$bin/fernwatch" PRD USERS
check_output "$bench/listing-20" 'NoSystems=20, Processed=20, Failed=0' \
  "$bin/fernwatch" X "USERS ITEM=Users"
check_output "$bench/listing-200" 'NoSystems=200, Processed=200, Failed=0' \
  "$bin/fernwatch" X "USERS ITEM=Users"

# Prints one row of the table: the figure's name, both medians, the ratio
# and its target, and both median peak RSS.
compare() {
  local name=$1 target=$2 figures
  shift 2
  figures=$("$bench/alternate" "$runs" "$@")
  read -r a_us b_us a_kib b_kib <<<"$figures"
  awk -v name="$name" -v a="$a_us" -v b="$b_us" -v target="$target" \
      -v a_kib="$a_kib" -v b_kib="$b_kib" 'BEGIN {
    printf "%-40s %9.3f ms %9.3f ms %6.2f  <= %-6s %6.2f MiB %6.2f MiB\n",
           name, a / 1000, b / 1000, b / a, target, a_kib / 1024, b_kib / 1024 }'
  last_kib="$a_kib $b_kib"
}

heading() {
  echo
  echo "== $1, $runs alternating runs each (medians); $(nproc) cores, load average" \
       "$(cut -d' ' -f1-3 /proc/loadavg)"
  printf '%-40s %12s %12s %6s  %-9s %10s %10s\n' "figure (B / A)" "time A" "time B" "ratio" \
         "target" "RSS A" "RSS B"
}

heading Native
compare "poll of the worked example / floor" 1.3 \
  "$bench/poll-4" "$bin/floor" --then "$bench/poll-4" "$bin/fernwatch" PRD USERS
read -r floor_kib poll_kib <<<"$last_kib"
compare "listing 200 systems / 20 systems" - \
  "$bench/listing-20" "$bin/fernwatch" X "USERS ITEM=Users" \
  --then "$bench/listing-200" "$bin/fernwatch" X "USERS ITEM=Users"
compare "poll of 10,000 rows / 4 rows" - \
  "$bench/poll-4" "$bin/fernwatch" PRD USERS --then "$bench/poll-10000" "$bin/fernwatch" PRD USERS
awk -v floor="$floor_kib" -v poll="$poll_kib" 'BEGIN {
  printf "%-40s %+9.2f MiB %32s\n", "peak RSS: poll of the worked example - floor",
         (poll - floor) / 1024, "<= +1 MiB" }'

[ "$with_wine" = yes ] || exit 0

echo
echo "== Building the Windows program (Release) in build/bench-windows"
cmake -S . -B build/bench-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$PWD/build/bench-windows/install" >/dev/null
cmake --build build/bench-windows --parallel 2 >/dev/null
cmake --install build/bench-windows >/dev/null

prefix=$bench/wineprefix
use_wine_prefix "$prefix"
if [ ! -f "$prefix/system.reg" ]; then
  echo "== Creating the Wine prefix $prefix"
  "$WINE_LOADER" wineboot --init </dev/null >"$bench/wineprefix.log" 2>&1
  "$WINE_SERVER" -w
fi
# One server for every run, ended on the way out: each start then pays
# for the program, not for starting a server.
"$WINE_SERVER" -p </dev/null >/dev/null 2>&1 || true
trap '"$WINE_SERVER" -k 2>/dev/null; "$WINE_SERVER" -w 2>/dev/null || true' EXIT

# The working directory lies on drive C:, as it would on Windows.
windows=$prefix/drive_c/bench
mkdir -p "$windows/bin"
cp build/bench-windows/install/bin/* "$windows/bin/"
: >"$windows/bin/Tessiva.Frontend"
x86_64-w64-mingw32-gcc -O2 -shared -o "$windows/bin/floor_library.dll" bench/floor_library.c
x86_64-w64-mingw32-gcc -O2 -o "$windows/bin/floor.exe" bench/floor.c \
  "$windows/bin/floor_library.dll"
rm -rf "$windows/poll-4"
cp -r "$bench/poll-4" "$windows/poll-4"
if [ "$(cd "$windows/poll-4" && "$WINE_LOADER" ../bin/fernwatch.exe PRD USERS </dev/null)" != \
     "$(cd "$windows/poll-4" && "$WINE_LOADER" ../bin/floor.exe </dev/null)" ]; then
  echo "bench: under Wine the worked example's poll does not print the floor's document" >&2
  exit 1
fi

heading "Windows build under Wine, for the record"
compare "poll of the worked example / floor .exe" "-" \
  "$windows/poll-4" "$WINE_LOADER" ../bin/floor.exe \
  --then "$windows/poll-4" "$WINE_LOADER" ../bin/fernwatch.exe PRD USERS
