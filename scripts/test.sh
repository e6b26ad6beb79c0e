#!/usr/bin/env bash
# The test command: installs what is missing, builds both builds, runs the native tests,
# then the Windows tests under Wine, and ends with CTest's summary line of each build.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh || exit 1
scripts/build.sh native win32 || exit 1

log_dir=build/test-logs
mkdir -p "$log_dir"

ctest --test-dir build/native --output-on-failure -j"$(nproc)" 2>&1 | tee "$log_dir/native.log"
native_status=${PIPESTATUS[0]}

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start
ctest --test-dir build/win32 --output-on-failure -j"$(nproc)" --timeout 600 2>&1 |
  tee "$log_dir/win32.log"
win32_status=${PIPESTATUS[0]}

echo
echo "native: $(grep -E 'tests passed|No tests were found' "$log_dir/native.log" | tail -1)"
echo "win32:  $(grep -E 'tests passed|No tests were found' "$log_dir/win32.log" | tail -1)"
[[ $native_status -eq 0 && $win32_status -eq 0 ]]
