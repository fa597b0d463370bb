#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Trelvane need.
#   scripts/setup.sh           native build: compiler, CMake, GoogleTest, Google Benchmark, schema check
#   scripts/setup.sh --windows also the mingw-w64 cross compilers, Wine (32- and 64-bit), Xvfb,
#                              the Arial-metric fonts the configurator's window is laid out for,
#                              wixl and msitools (the package) and NSIS (7.0.0's setups, which
#                              the tests upgrade from)
# Does nothing when everything is already installed; needs root (or sudo) otherwise.
set -euo pipefail

native=(g++ make cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
        python3 python3-xmlschema)
windows=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
         wine wine32:i386 wine64 xvfb xdotool x11-utils fonts-liberation nsis wixl msitools
         locales)

want=("${native[@]}")
with_windows=0
for arg in "$@"; do
  case "$arg" in
    --windows) with_windows=1; want+=("${windows[@]}") ;;
    *) echo "usage: $0 [--windows]" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ $with_windows = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
