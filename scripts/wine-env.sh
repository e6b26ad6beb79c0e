# Sourced by the test and run scripts: a private Wine prefix in the build tree, one Xvfb
# display and one persistent wineserver, both stopped by their process ids at exit.

WINE_BUILD_DIR=${WINE_BUILD_DIR:-$PWD/build/win32}
export WINEPREFIX="$WINE_BUILD_DIR/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts

wine_env_xvfb_pid=""
wine_env_server_started=""

# Stops what wine_env_start started: a wineserver that was running before serves the
# programs of another run (a program started earlier), which stopping it would end.
wine_env_stop() {
  if [[ -n "$wine_env_server_started" ]]; then
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
  # The server goes to the background by itself; code 2 says one runs for the prefix already.
  local server_status=0
  wineserver -p >/dev/null 2>&1 </dev/null || server_status=$?
  [[ $server_status -ne 2 ]] && wine_env_server_started=1
  # Without a window manager Wine waits 2 s for every managed top-level window that is
  # hidden or destroyed; unmanaged windows behave the same for the programs and go at once.
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
  fi
  # Start Wine's background services now, detached from any caller's pipes: a service
  # started by a test program would inherit its output pipe and hold it open.
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}
