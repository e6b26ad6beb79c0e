# Sourced by the test and run scripts: a private Wine prefix in the build tree, one Xvfb
# display and one wineserver that stays between the programs of a run. At exit a script
# stops the display it started, and the server it started once no program of the prefix
# is left: a program still running (the one a second start handed over to, or another
# run's) keeps its server.

WINE_BUILD_DIR=${WINE_BUILD_DIR:-$PWD/build/win32}
export WINEPREFIX="$WINE_BUILD_DIR/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts

# Seconds the server started here stays after the last program of the prefix ended;
# empty: until the script stops it, so that each test program of a run starts at once.
# The run command keeps it a few seconds: a server it leaves to a program that still runs
# then ends by itself after that program.
wine_env_server_linger=""

wine_env_xvfb_pid=""
wine_env_server_started=""

# The Windows programs running in the prefix, one process id a line: its Wine processes
# but Wine's own (the services and the desktop, started from C:\windows).
wine_env_programs() {
  local prefix exe process program_prefix first_argument
  prefix=$(realpath -m "$WINEPREFIX")
  for exe in $(find /proc/[0-9]*/exe -maxdepth 0 \( -lname '*/wine' -o -lname '*/wine64' -o \
                 -lname '*/wine-preloader' -o -lname '*/wine64-preloader' \) 2>/dev/null); do
    process=${exe%/exe}
    # (A process may end meanwhile: then it reads as nothing.)
    program_prefix=$({ tr '\0' '\n' <"$process/environ"; } 2>/dev/null | sed -n 's/^WINEPREFIX=//p')
    [[ -n "$program_prefix" && $(realpath -m "$program_prefix") == "$prefix" ]] || continue
    first_argument=$({ tr '\0' '\n' <"$process/cmdline"; } 2>/dev/null | head -n 1)
    [[ ${first_argument,,} == 'c:\windows\'* ]] && continue
    echo "${process#/proc/}"
  done
}

# Stops what wine_env_start started: the display, and the server unless a program of the
# prefix still runs (ending the server would end that program with its unsaved work).
wine_env_stop() {
  if [[ -n "$wine_env_server_started" && -z "$(wine_env_programs)" ]]; then
    wineserver -k 2>/dev/null || true  # ends the services too
  fi
  [[ -n "$wine_env_xvfb_pid" ]] && kill "$wine_env_xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}

# Starts a private display unless keep_display is given and DISPLAY is set.
wine_env_start() {
  if [[ "${1:-}" != keep_display || -z "${DISPLAY:-}" ]]; then
    # Another run may claim the same free number at the same moment: then try the next.
    local display=99
    while :; do
      while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do
        display=$((display + 1))
      done
      Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      wine_env_xvfb_pid=$!
      for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X$display ]] && break
        kill -0 "$wine_env_xvfb_pid" 2>/dev/null || break
        sleep 0.05
      done
      kill -0 "$wine_env_xvfb_pid" 2>/dev/null && break
      display=$((display + 1))
    done
    export DISPLAY=":$display"
  fi
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "Creating the Wine prefix in $WINEPREFIX (once)"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # The server goes to the background by itself: code 0 says it started, 2 that one runs
  # for the prefix already (another run's, which is not this one's to stop).
  local server_status=0
  wineserver -p"$wine_env_server_linger" >/dev/null 2>&1 </dev/null || server_status=$?
  case $server_status in
    0) wine_env_server_started=1 ;;
    2) ;;
    *) echo "wine-env.sh: no wineserver started (status $server_status); each program starts its own" >&2 ;;
  esac
  # Without a window manager Wine waits 2 s for every managed top-level window that is
  # hidden or destroyed; unmanaged windows behave the same for the programs and go at once.
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
  fi
  # Start Wine's background services now, detached from any caller's pipes: a service
  # started by a test program would inherit its output pipe and hold it open.
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}
