#!/usr/bin/env bash
# The main job: builds if needed, starts the device simulator on 127.0.0.1 and opens the module on it.
#
# The module is laid out as its host product lays out a locally configured module: the program and
# its message catalogues in build/vandrel_ems/qsw7400/, beside the device's configuration file
# 127.0.0.1.cfg, which names the simulator's port (the command line sets the port for SNMPv3 only).
# QSW_SIM_PORT picks the port (default 16100); QSW_SNMP_VERSION=3 talks SNMPv3 with the simulator's
# MD5/DES user instead of SNMPv2c with the communities public/private. Further arguments go to the
# module.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQSW_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

port=${QSW_SIM_PORT:-16100}
sim_out=$(mktemp)
"$build/qsw7400-sim" --address 127.0.0.1 --port "$port" >"$sim_out" &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$sim_out"' EXIT
for _ in $(seq 100); do
  grep -q "^listening on" "$sim_out" && break
  kill -0 $sim 2>/dev/null || { echo "The simulator did not start." >&2; exit 1; }
  sleep 0.1
done

module="$build/vandrel_ems/qsw7400"
mkdir -p "$module"
# A copy, not a symbolic link: the module finds its catalogues and configuration beside its own
# program file, and a link would point it back at the build directory.
ln -f "$build/qsw7400" "$module/qsw7400" 2>/dev/null || cp -f "$build/qsw7400" "$module/qsw7400"
rm -rf "$module/errMSg"
cp -r "$build/errMSg" "$module/errMSg"

if [ "${QSW_SNMP_VERSION:-1}" = 3 ]; then
  cat >"$module/127.0.0.1.cfg" <<CFG
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
  cat >"$module/127.0.0.1.cfg" <<CFG
[Program Information]
Version=1
AgentPort=$port
CFG
fi

# The SNMPv3 boot counter file lives in the current directory: keep it with the module.
cd "$module"
"$module/qsw7400" /I127.0.0.1 /Rpublic /Wprivate "$@"
