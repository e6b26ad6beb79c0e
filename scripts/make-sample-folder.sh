#!/usr/bin/env bash
# Makes a folder of small MP3 files: silent MPEG-1 Layer III frames with ID3v1 tags.
set -euo pipefail
folder=$1
mkdir -p "$folder"

# One 128 kbit/s, 44.1 kHz frame: a 4-byte header and 413 bytes of silence.
frame() { printf '\xff\xfb\x90\x64'; head -c 413 /dev/zero; }

id3v1() {  # title artist album year track genre
  printf 'TAG%-30.30s%-30.30s%-30.30s%-4.4s%-28.28s' "$1" "$2" "$3" "$4" ""
  printf "\\x00\\x$(printf '%02x' "$5")\\x$(printf '%02x' "$6")"
}

make_mp3() {  # file title artist album year track genre
  local file=$1
  shift
  [[ -e "$file" ]] && return
  { for _ in $(seq 40); do frame; done; id3v1 "$@"; } > "$file"
}

make_mp3 "$folder/01 - Northern Lights - Harbour Song.mp3" "Harbour Song" "Northern Lights" "Coastline" 2003 1 13
make_mp3 "$folder/02 - Northern Lights - Tidewater.mp3" "Tidewater" "Northern Lights" "Coastline" 2003 2 13
make_mp3 "$folder/03 - Northern Lights - Lantern.mp3" "Lantern" "Northern Lights" "Coastline" 2003 3 13
make_mp3 "$folder/the quiet field - morning.mp3" "Morning" "The Quiet Field" "Seasons" 1999 7 8
make_mp3 "$folder/Unsorted Track.mp3" "" "" "" "" 0 255
