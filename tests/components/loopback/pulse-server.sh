#!/usr/bin/env bash
# The sound server of the PulseAudioLoopback test, as a CTest fixture:
#   pulse-server.sh start DIR   starts a user-level PulseAudio daemon whose runtime directory is
#                               DIR, with a null sink "vesk_loopback" (described "VeskLoopback")
#                               and the native protocol on DIR/pulse/native; nothing else (no
#                               D-Bus, no hardware, no configuration of the machine's).
#   pulse-server.sh stop DIR    stops it (the cleanup fixture: it runs even when the test failed).
# Starting never fails the run: when the daemon cannot start at all, DIR/unavailable says why
# and the test skips with that message.
set -u
command=$1
dir=$2

stop() {
  [ -f "$dir/daemon.pid" ] || return 0
  pid=$(cat "$dir/daemon.pid")
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  rm -f "$dir/daemon.pid"
}

unavailable() {
  { echo "$1"; tail -n 5 "$dir/daemon.log" 2>/dev/null; } > "$dir/unavailable"
  cat "$dir/unavailable"
  stop
  exit 0
}

case "$command" in
  start)
    stop
    rm -rf "$dir"
    mkdir -p "$dir"
    chmod 700 "$dir"
    command -v pulseaudio > /dev/null || unavailable "pulseaudio is not installed"
    # The daemon's output goes to a file: CTest waits for whoever holds its pipes.
    XDG_RUNTIME_DIR="$dir" HOME="$dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
      -L "module-native-protocol-unix auth-anonymous=1" \
      -L "module-null-sink sink_name=vesk_loopback sink_properties=device.description=VeskLoopback" \
      < /dev/null > "$dir/daemon.log" 2>&1 &
    echo $! > "$dir/daemon.pid"
    for _ in $(seq 100); do
      [ -S "$dir/pulse/native" ] && { echo "pulseaudio runs in $dir"; exit 0; }
      kill -0 "$(cat "$dir/daemon.pid")" 2>/dev/null || unavailable "pulseaudio exited at start"
      sleep 0.1
    done
    unavailable "pulseaudio did not open its socket within 10 seconds"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
