#!/usr/bin/env bash
# The main job: builds if needed, starts the device simulator on 127.0.0.1 and opens the module on it.
#
# The module is laid out as its host product lays out a locally configured module: the program and
# its message catalogues in a folder of this run's own under build/vandrel_ems/, beside the device's
# configuration file 127.0.0.1.cfg, which names the simulator's port (the command line sets the port
# for SNMPv3 only). The folder goes when the run ends, so runs side by side never share one.
# QSW_SIM_PORT is the port to try first (default 16100); when it is taken the simulator takes a free
# one. QSW_SIM_ADDRESS picks another loopback address (127.x.x.x) for the device, so that a second run
# opens a window of its own instead of handing over to the first one's. QSW_SNMP_VERSION=3 talks
# SNMPv3 with the simulator's MD5/DES user instead of SNMPv2c with the communities public/private.
# QSW_BUILD_DIR names an existing build to use as it is. Further arguments go to the module.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${QSW_BUILD_DIR:-}" ]; then
  build=$QSW_BUILD_DIR
else
  build="$root/build"
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQSW_TESTS=OFF >/dev/null
  cmake --build "$build" -j"$(nproc)"
fi

address=${QSW_SIM_ADDRESS:-127.0.0.1}
preferred=${QSW_SIM_PORT:-16100}
sim_out=$(mktemp)
sim_err=$(mktemp)
sim=
module=
cleanup() {
  [ -n "$sim" ] && kill "$sim" 2>/dev/null || true
  rm -f "$sim_out" "$sim_err"
  [ -n "$module" ] && rm -rf "$module"
}
trap cleanup EXIT

# Starts the simulator on a port; false when it ends before it listens.
start_sim() {
  : >"$sim_out"
  "$build/qsw7400-sim" --address "$address" --port "$1" >"$sim_out" 2>"$sim_err" &
  sim=$!
  for _ in $(seq 100); do
    grep -q "^listening on" "$sim_out" && return 0
    kill -0 "$sim" 2>/dev/null || { sim=; return 1; }
    sleep 0.1
  done
  return 1
}

if ! start_sim "$preferred"; then
  if ! start_sim 0; then
    echo "The simulator did not start:" >&2
    cat "$sim_err" >&2
    exit 1
  fi
  echo "Port $preferred is taken; the simulator listens on another one." >&2
fi
port=$(sed -n 's/^listening on .*:\([0-9][0-9]*\)$/\1/p' "$sim_out")
echo "Simulated device: $address, UDP port $port." >&2

mkdir -p "$build/vandrel_ems"
module=$(mktemp -d "$build/vandrel_ems/qsw7400-run.XXXXXX")
# A copy, not a symbolic link: the module finds its catalogues and configuration beside its own
# program file, and a link would point it back at the build directory.
ln -f "$build/qsw7400" "$module/qsw7400" 2>/dev/null || cp -f "$build/qsw7400" "$module/qsw7400"
cp -r "$build/errMSg" "$module/errMSg"
cp "$build/QSW-7300 r4-5 JUN 08 Rskyglass-v9.hlp" "$module/"

if [ "${QSW_SNMP_VERSION:-1}" = 3 ]; then
  cat >"$module/$address.cfg" <<CFG
[Program Information]
Version=3
AgentPort=$port
SecurityModel=3
SecurityLevel=2
SecurityName=md5des
AuthProtocol=1
PrivProtocol=1
AuthPassword=md5despass
PrivPassword=md5desprivpass
CFG
else
  cat >"$module/$address.cfg" <<CFG
[Program Information]
Version=1
AgentPort=$port
CFG
fi

# The SNMPv3 boot counter file lives in the current directory: keep it with the module.
cd "$module"
"$module/qsw7400" "/I$address" /Rpublic /Wprivate "$@"
