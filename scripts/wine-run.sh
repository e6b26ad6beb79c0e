#!/usr/bin/env bash
# Runs one Windows program of the build under the project's Wine setup, e.g.
#   scripts/wine-run.sh build/win32/tests/base/base_test.exe --gtest_filter='IniFile*'
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "$1")
shift
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start
(cd "$(dirname "$program")" && wine "$program" "$@")
