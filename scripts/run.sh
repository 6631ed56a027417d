#!/usr/bin/env bash
# Installs what is needed, builds the module and runs it.
#
#   ./scripts/run.sh                         against the simulated switch agent on loopback
#   ./scripts/run.sh <address> [switches]    against that switch, e.g. 10.90.90.90 /Rpublic /Wprivate
#
# The module runs in build/run/ (its SNMPv3 boots counter and the agent's settings file lie
# there). Without a display ($DISPLAY, $WAYLAND_DISPLAY) it runs on a virtual one, saves a
# screenshot of its main window to build/run/vrx6120.png after a few seconds and stops;
# with a display it runs until its window is closed.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target vrx6120 vrxagent

run_dir=$top/build/run
mkdir -p "$run_dir"
cd "$run_dir"
module=$top/build/mainwindow/vrx6120
agent_pid=""
module_pid=""
cleanup() {
  [ -n "$module_pid" ] && kill "$module_pid" 2>/dev/null || true
  if [ -n "$agent_pid" ]; then
    kill "$agent_pid" 2>/dev/null || true
    wait "$agent_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

if [ $# -eq 0 ]; then
  # The simulated switch on a free port; it names the port on its first line.
  "$top/build/tools/agent/vrxagent" --data "$top/tools/agent/data/vrx6120" --port 0 \
    --log "$run_dir/agent.log" >"$run_dir/agent.out" 2>&1 &
  agent_pid=$!
  port=""
  for _ in $(seq 100); do
    port=$(sed -n 's/^PORT \([0-9]*\)$/\1/p' "$run_dir/agent.out" | head -1)
    [ -n "$port" ] && break
    kill -0 "$agent_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$port" ]; then
    echo "The simulated switch did not start:" >&2
    cat "$run_dir/agent.out" >&2
    exit 1
  fi
  echo "Simulated switch on 127.0.0.1 port $port (requests logged in $run_dir/agent.log)."
  # The device settings file the host application would keep for this switch: SNMPv2c.
  cat >"$run_dir/127.0.0.1.cfg" <<EOF
[Program Information]
AgentPort=$port
Version=1
ContextName=
ContextEngineID=
SecurityModel=1
SecurityLevel=0
SecurityName=
AuthProtocol=0
PrivProtocol=0
AuthPassword=
PrivPassword=
EOF
  # A registry of our own that points the module at that settings folder.
  cat >"$run_dir/registry.reg" <<EOF
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\MibFile]
"Path"="$run_dir/"
EOF
  export VRX6120_REGISTRY=$run_dir/registry.reg
  args=(/I127.0.0.1 /Rpublic /Wprivate)
else
  address=$1
  shift
  args=("/I$address" "$@")
fi
echo "Starting: vrx6120 ${args[*]}"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  status=0
  "$module" "${args[@]}" || status=$?
  exit $status
fi

# No display: a virtual one, a screenshot of the main window, then stop.
shot=$run_dir/vrx6120.png
rm -f "$shot"
export MODULE=$module SHOT=$shot CAPTION=${args[0]#/I}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$MODULE" "$@" &
  pid=$!
  wid=""
  for _ in $(seq 100); do
    wid=$(xwininfo -root -tree 2>/dev/null | awk -v c="\"$CAPTION\":" "\$2 == c { print \$1; exit }")
    [ -n "$wid" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$wid" ]; then
    # Ended, or stopped at a message box: keep what the screen shows.
    kill -0 $pid 2>/dev/null && import -window root "$SHOT"
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    echo "The module showed no main window." >&2
    exit 1
  fi
  sleep 3
  import -window "$wid" "$SHOT"
  kill $pid
  wait $pid 2>/dev/null || true
' run-module "${args[@]}" || { [ -f "$shot" ] && echo "Screenshot of the screen: $shot"; exit 1; }
echo "Screenshot of the main window: $shot"
