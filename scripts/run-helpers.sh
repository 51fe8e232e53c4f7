# Helpers of run.sh, sourced: a private X server, the demo forum, and the main window.

# True when an HTTP server answers on 127.0.0.1:$1.
forum_answers() {
  local port=$1 reply
  { exec 7<>"/dev/tcp/127.0.0.1/$port"; } 2>/dev/null || return 1
  printf 'GET / HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n' >&7
  IFS= read -r -t 5 reply <&7 || true
  exec 7<&- 7>&-
  [[ $reply == HTTP/1.* ]]
}

# Waits up to $2 seconds for the forum on port $1.
wait_for_forum() {
  local port=$1 seconds=$2 i
  for ((i = 0; i < seconds * 10; i++)); do
    forum_answers "$port" && return 0
    sleep 0.1
  done
  return 1
}

# Starts Xvfb on a display number it picks itself; sets XVFB_PID and DISPLAY.
start_xvfb() {
  local numberFile
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for ((i = 0; i < 100; i++)); do
    [ -s "$numberFile" ] && break
    sleep 0.1
  done
  if [ ! -s "$numberFile" ]; then
    rm -f "$numberFile"
    echo "run.sh: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
  rm -f "$numberFile"
}

# The X window id of Pindora's main window, once it is shown (waits up to $1 seconds).
find_main_window() {
  local seconds=$1 i id
  for ((i = 0; i < seconds * 10; i++)); do
    id=$(xdotool search --onlyvisible --name '^ Pindora v2\.0$' 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits until the screen has stopped changing for a second (the busy animation has given way
# to the thumbnails), at most $1 seconds, then writes the screenshot $2.
screenshot_when_settled() {
  local seconds=$1 shot=$2 previous current i
  previous=$(mktemp --suffix=.png)
  current=$(mktemp --suffix=.png)
  import -window root "$previous"
  for ((i = 0; i < seconds; i++)); do
    sleep 1
    import -window root "$current"
    if [ "$(compare -metric AE "$previous" "$current" null: 2>&1 || true)" = "0" ]; then
      break
    fi
    cp "$current" "$previous"
  done
  mv "$current" "$shot"
  rm -f "$previous"
}

# Asks the main window to close through its own close button, the top-right title-bar button.
close_main_window() {
  local id=$1 x y width
  eval "$(xdotool getwindowgeometry --shell "$id")"
  x=$((X + WIDTH - 20))
  y=$((Y + 9))
  xdotool mousemove "$x" "$y" click 1
}
