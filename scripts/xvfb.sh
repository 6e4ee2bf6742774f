# Sourced by the test and bench scripts: start_xvfb WxHxD WORKDIR starts a
# private Xvfb of that size and sets xvfb_pid and xvfb_display (":N"); it
# answers 1 with a message when the server does not come up within 20 s.
start_xvfb() {
  local fifo=$2/xvfb.fifo num=
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset +extension RANDR 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 20 num <"$fifo"
  rm -f "$fifo"
  if [ -z "$num" ]; then
    echo "$(basename "$0"): Xvfb did not start" >&2
    kill "$xvfb_pid" 2>/dev/null
    return 1
  fi
  xvfb_display=":$num"
}
