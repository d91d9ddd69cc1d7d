# Sourced by the tests that need an X display of their own (bash).
#
#   start_own_display FIRST LAST
#
# starts Xvfb (1280x800, no network) on the first free display number from
# FIRST to LAST, sets `display` to it and `xvfb` to the server's process id,
# and waits until the server answers. The caller stops it (kill "$xvfb").
start_own_display() {
  local first=$1 last=$2 n
  display=
  for n in $(seq "$first" "$last"); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
      display=:$n
      break
    fi
  done
  [[ -n $display ]] || { echo "no free display number from $first to $last"; return 1; }
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
  done
}
