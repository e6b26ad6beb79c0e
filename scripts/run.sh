#!/usr/bin/env bash
# The run command: installs what is missing, builds the program and starts it under Wine
# in a folder of MP3 files (the argument; default: a small sample folder made here).
# Without a DISPLAY it runs on a private Xvfb, saves a screenshot of the main window in
# the build tree and stops the program. It never ends a program it did not start: a
# second start hands over to the program already running, which keeps its wineserver.
set -euo pipefail
folder=""
[[ -n "${1:-}" ]] && folder=$(cd "$1" && pwd)  # named from where the command is typed
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps.sh
scripts/build.sh win32
program="$root/build/win32/bin/Velorandquistmar.exe"

if [[ -z "$folder" ]]; then
  folder="$root/build/sample"
  scripts/make-sample-folder.sh "$folder"
fi

source scripts/wine-env.sh
wine_env_server_linger=3
trap wine_env_stop EXIT

if [[ -n "${DISPLAY:-}" ]]; then
  wine_env_start keep_display
  cd "$folder"
  wine "$program"
  exit 0
fi

wine_env_start
(cd "$folder" && exec wine "$program") >/dev/null 2>&1 &
program_pid=$!
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
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.2
done
if [[ -z "$window" ]]; then
  # Ended without a window: a second start hands over to the program running already in
  # the prefix (on another display) and ends with code 0.
  if ! kill -0 "$program_pid" 2>/dev/null && wait "$program_pid"; then
    echo "A second start in $folder: the program already running in $WINEPREFIX took it over"
    exit 0
  fi
  echo "run.sh: the main window did not appear" >&2
  kill "$program_pid" 2>/dev/null || true
  exit 1
fi
sleep 1  # let the window finish painting
shot="$root/build/screenshots/main-window.png"
mkdir -p "$(dirname "$shot")"
xwd -id "$window" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$shot"
echo "The program ran in $folder; screenshot of its main window: $shot"
kill "$program_pid"  # the program this run started, alone; wine_env_stop then ends the rest
wait "$program_pid" 2>/dev/null || true
