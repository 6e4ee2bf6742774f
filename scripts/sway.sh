# Sourced by the test and bench scripts: start_sway WORKDIR WxH [WxH...]
# starts a private sway on its headless backend (no GPU, no input devices,
# no Xwayland) with one output per size, side by side from the left, as an
# ordinary user: sway refuses root, so as root the user nobody. It sets
# sway_pid, as_user (the command prefix that runs a program as that user)
# and sway_env (the variables a client of that sway needs, for env), and
# chowns WORKDIR/run, WORKDIR/home and WORKDIR/config to that user. It
# answers 1 with a message when sway does not come up within 20 s.
start_sway() {
  local work=$1 x=0 i=1 size sock=
  shift
  as_user=()
  local owner
  owner=$(id -u):$(id -g)
  if [ "$(id -u)" = 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    owner=65534:65534
  fi
  chmod 755 "$work"
  mkdir -p -m 700 "$work/run" "$work/home" "$work/config"
  chown "$owner" "$work/run" "$work/home" "$work/config"
  {
    for size in "$@"; do
      echo "output HEADLESS-$i resolution $size position $x 0"
      x=$((x + ${size%x*}))
      i=$((i + 1))
    done
    echo "default_border none"
    echo "xwayland disable"
  } >"$work/sway.cfg"
  chmod 644 "$work/sway.cfg"
  env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK XDG_RUNTIME_DIR="$work/run" HOME="$work/home" \
    XDG_CONFIG_HOME="$work/config" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=$# \
    WLR_LIBINPUT_NO_DEVICES=1 "${as_user[@]}" sway -c "$work/sway.cfg" >"$work/sway.log" 2>&1 &
  sway_pid=$!
  for _ in $(seq 200); do
    sock=$(ls "$work"/run/sway-ipc.*.sock 2>/dev/null | head -1)
    [ -n "$sock" ] && [ -S "$work/run/wayland-1" ] && break
    sock=
    kill -0 "$sway_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$sock" ]; then
    echo "$(basename "$0"): sway did not start: $(tail -1 "$work/sway.log")" >&2
    kill "$sway_pid" 2>/dev/null
    return 1
  fi
  sway_env=(XDG_RUNTIME_DIR="$work/run" HOME="$work/home" XDG_CONFIG_HOME="$work/config" WAYLAND_DISPLAY=wayland-1
            SWAYSOCK="$sock")
}
