#!/usr/bin/env bash
# The test command: installs what is missing, builds the three builds, runs the native
# tests, the fuzz targets for a short time each, then the Windows tests under Wine, and
# ends with CTest's summary line of each build.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh || exit 1
scripts/build.sh native fuzz win32 || exit 1

log_dir=build/test-logs
mkdir -p "$log_dir"

ctest --test-dir build/native --output-on-failure -j"$(nproc)" 2>&1 | tee "$log_dir/native.log"
native_status=${PIPESTATUS[0]}

ctest --test-dir build/fuzz --output-on-failure -j"$(nproc)" 2>&1 | tee "$log_dir/fuzz.log"
fuzz_status=${PIPESTATUS[0]}

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start
ctest --test-dir build/win32 --output-on-failure -j"$(nproc)" --timeout 600 2>&1 |
  tee "$log_dir/win32.log"
win32_status=${PIPESTATUS[0]}

echo
for build in native fuzz win32; do
  printf '%-7s %s\n' "$build:" "$(grep -E 'tests passed|No tests were found' "$log_dir/$build.log" | tail -1)"
done
[[ $native_status -eq 0 && $fuzz_status -eq 0 && $win32_status -eq 0 ]]
