# Sourced by the process-level scripts: a private Xvfb display, a private
# configuration folder, and the build's binaries.
BUILD_DIR=${BUILD_DIR:-build}
BIN="$BUILD_DIR/bench/process"
command -v Xvfb >/dev/null || { echo "Xvfb is missing: scripts/install-deps.sh installs it" >&2; exit 2; }
WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK" XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
XVFB_DISPLAY=:$((90 + RANDOM % 400))
Xvfb "$XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
trap 'kill $XVFB_PID 2>/dev/null; wait $XVFB_PID 2>/dev/null; rm -rf "$WORK"' EXIT
export DISPLAY=$XVFB_DISPLAY
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 2; }

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
