#!/usr/bin/env bash
# The run command: installs what is missing, builds the program and starts it under Wine
# in a folder of MP3 files (the argument; default: a small sample folder made here).
# Without a DISPLAY it runs on a private Xvfb, saves a screenshot of the main window in
# the build tree and stops the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps.sh
scripts/build.sh win32
program="$root/build/win32/bin/Velorandquistmar.exe"

folder=${1:-}
if [[ -z "$folder" ]]; then
  folder="$root/build/sample"
  scripts/make-sample-folder.sh "$folder"
fi
folder=$(cd "$folder" && pwd)

source scripts/wine-env.sh
trap wine_env_stop EXIT

if [[ -n "${DISPLAY:-}" ]]; then
  wine_env_start keep_display
  cd "$folder"
  wine "$program"
  exit 0
fi

wine_env_start
(cd "$folder" && exec wine "$program") >/dev/null 2>&1 &
title="Velorandquistmar 0.4.8"
for _ in $(seq 300); do
  xwininfo -root -tree 2>/dev/null | grep -q "\"$title\"" && break
  sleep 0.2
done
if ! xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; then
  echo "run.sh: the main window did not appear" >&2
  wineserver -k
  exit 1
fi
sleep 1  # let the window finish painting
shot="$root/build/screenshots/main-window.png"
mkdir -p "$(dirname "$shot")"
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$shot"
echo "The program ran in $folder; screenshot of its main window: $shot"
wineserver -k
