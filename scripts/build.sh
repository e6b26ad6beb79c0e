#!/usr/bin/env bash
# Configures and builds the native build (build/native) and the Windows build
# (build/win32). Arguments name the builds to make: native, win32 (default both).
set -euo pipefail
cd "$(dirname "$0")/.."

builds=("$@")
[[ ${#builds[@]} -eq 0 ]] && builds=(native win32)

for build in "${builds[@]}"; do
  case "$build" in
    native)
      cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
    win32)
      cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake >/dev/null ;;
    *)
      echo "build.sh: unknown build '$build'" >&2
      exit 2 ;;
  esac
  cmake --build "build/$build"
done
