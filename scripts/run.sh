#!/usr/bin/env bash
# The main job: builds if needed, starts the device simulator on 127.0.0.1 and opens the module on it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQSW_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

port=${QSW_SIM_PORT:-16100}
"$build/qsw7400-sim" --address 127.0.0.1 --port "$port" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT

if [ -x "$build/qsw7400" ]; then
  "$build/qsw7400" /I 127.0.0.1 "$@"
else
  echo "The simulated QSW-7400 answers on 127.0.0.1:$port (communities public/private)."
  echo "The module's windows are not built yet; press Ctrl-C to stop the simulator."
  wait $sim
fi
