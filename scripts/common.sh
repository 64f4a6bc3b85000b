# Shared steps of scripts/test.sh and scripts/demo.sh (sourced, not run).
# Both run from the repository's top folder.

# Debian packages that build and test Fernwatch: CMake and Ninja, the Linux
# and the mingw-w64 compilers (64-bit and 32-bit Windows), Wine for both
# Windows programs (the 32-bit one needs the i386 architecture), GoogleTest
# and Python 3 for the tests.
FERNWATCH_PACKAGES=(cmake ninja-build g++ mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686
                    wine64 wine32:i386 libgtest-dev python3)

# The fuzz build's compiler, and the runtimes of libFuzzer and of its
# sanitizers (scripts/fuzz.sh).
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# The Wine loader and server of Debian's wine64 package.
WINE_LOADER=/usr/lib/wine/wine64
WINE_SERVER=/usr/lib/wine/wineserver

package_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Installs what is missing of FERNWATCH_PACKAGES and of the packages named
# as arguments.
install_missing_packages() {
  local missing=() package
  for package in "${FERNWATCH_PACKAGES[@]}" "$@"; do
    package_installed "$package" || missing+=("$package")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    echo "== All needed packages are installed."
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
    exit 1
  fi
  echo "== Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if [[ " ${missing[*]}" == *:i386* ]] && \
     ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -q
  apt-get install -y -q "${missing[@]}" </dev/null
}

# Configures, builds and installs one preset (native, windows, windows-x86
# or asan) into build/<preset>/install.
build_preset() {
  local preset=$1 options=()
  # Debian's interpreter for the tests, whatever else is first on PATH.
  if [ "$preset" != windows ] && [ -x /usr/bin/python3 ]; then
    options+=(-DPython3_EXECUTABLE=/usr/bin/python3)
  fi
  echo "== Building the $preset preset"
  cmake --preset "$preset" "${options[@]}"
  cmake --build --preset "$preset" --parallel 2
  cmake --install "build/$preset"
}

# Environment for Wine in the prefix $1: no display, no questions, quiet.
use_wine_prefix() {
  export WINEPREFIX=$1 WINELOADER=$WINE_LOADER WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  unset DISPLAY WAYLAND_DISPLAY
}
