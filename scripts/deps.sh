#!/usr/bin/env bash
# Installs, as root with apt-get, whatever the build and the tests need and is missing.
# Fast when everything is present. The one list of the project's system packages.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
  zlib1g-dev googletest libgtest-dev libgmock-dev
  wine wine32:i386 wine64
  xvfb xauth x11-utils x11-apps netpbm xdotool xcompmgr
  lame python3-mutagen id3v2
  libbenchmark-dev libtag1-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "deps.sh: these packages are missing and installing them needs root" >&2
  exit 1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
