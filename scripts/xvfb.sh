# Sourced: start_xvfb starts a virtual X display on a free number, sets
# xvfb_pid and exports DISPLAY. The caller's cleanup kills $xvfb_pid and
# removes $display_file.
start_xvfb() {
  # Xvfb picks a free display number itself and writes it to fd 3.
  display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"
}
