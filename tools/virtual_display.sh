# Sourced by the scripts that play under a virtual X display, with $display set and the screen
# size as $1: makes the scratch folder $work and starts Xvfb; at exit every process whose id
# is in pids ends and the folder goes.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 "$1" -nolisten tcp &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
