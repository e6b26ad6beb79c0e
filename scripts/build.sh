#!/usr/bin/env bash
# Configures and builds the native build (build/native), the fuzz build (build/fuzz)
# and the Windows build (build/win32). Arguments name the builds to make: native, fuzz,
# win32 (default all three).
set -euo pipefail
cd "$(dirname "$0")/.."

builds=("$@")
[[ ${#builds[@]} -eq 0 ]] && builds=(native fuzz win32)

for build in "${builds[@]}"; do
  # Configured once; later builds re-run CMake by themselves when its files change.
  if [[ -f "build/$build/CMakeCache.txt" ]]; then
    cmake --build "build/$build"
    continue
  fi
  case "$build" in
    native)
      cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
    fuzz)
      CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DVQ_FUZZ=ON >/dev/null ;;
    win32)
      cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake >/dev/null ;;
    *)
      echo "build.sh: unknown build '$build'" >&2
      exit 2 ;;
  esac
  cmake --build "build/$build"
done
