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
# The main window: the program's window of that name with a size (its application window
# has the same name and is 1x1).
main_window() {
  xwininfo -root -tree 2>/dev/null | awk -v name="\"$title\":" '$2 " " $3 == name && $0 !~ / 1x1\+/ { print $1; exit }'
}
window=""
for _ in $(seq 300); do
  window=$(main_window)
  [[ -n "$window" ]] && break
  sleep 0.2
done
if [[ -z "$window" ]]; then
  echo "run.sh: the main window did not appear" >&2
  exit 1
fi
sleep 1  # let the window finish painting
shot="$root/build/screenshots/main-window.png"
mkdir -p "$(dirname "$shot")"
xwd -id "$window" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$shot"
echo "The program ran in $folder; screenshot of its main window: $shot"
# The program stops with the wineserver wine_env_stop ends (or with the display).
