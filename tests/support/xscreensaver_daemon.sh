# Sourced by the end-to-end scripts that run the real xscreensaver daemon:
#   xscreensaver_start WORK PROGRAM [ENV=VALUE...]
# writes WORK/home/.xscreensaver with "PROGRAM /s" as the only program, starts the daemon on $DISPLAY (as nobody when run as
# root: xscreensaver refuses to run savers for root) with the extra
# environment given, sets $xs_daemon and defines xs() to run a command as
# the daemon's user in its environment. WORK must be readable by nobody.
xscreensaver_start() {
  local work=$1 program=$2
  shift 2
  mkdir -m 777 -p "$work/home" "$work/out"
  xs_user=()
  [ "$(id -u)" = 0 ] && xs_user=(runuser -u nobody --)
  cat >"$work/home/.xscreensaver" <<X
mode: one
selected: 0
lock: False
splash: False
fade: False
unfade: False
timeout: 0:30:00
programs: $program /s \\n\\

X
  chmod 644 "$work/home/.xscreensaver"
  # A runtime folder of the savers' own (the sound lock is per user, and
  # other checks may run savers as the same user at the same time); it must
  # be theirs and closed to others, or the saver takes the shared one.
  mkdir -m 700 -p "$work/xsrun-default"
  [ "$(id -u)" = 0 ] && chown nobody "$work/xsrun-default"
  xs_env=(env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/xsrun-default"
    SDL_AUDIODRIVER=dummy DISPLAY="$DISPLAY" "$@")
  xs xscreensaver -no-splash >"$work/out/daemon.log" 2>&1 &
  xs_daemon=$!
  sleep 2
}
xs() { "${xs_user[@]}" "${xs_env[@]}" "$@"; }
