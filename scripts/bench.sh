#!/usr/bin/env bash
# Builds a Release tree in build-bench/ and times walks of a large simulated table through the
# engine with GETNEXT and GETBULK (synchronous and asynchronous) against net-snmp's snmpwalk and
# snmpbulkwalk, without and with an agent delay of 2 ms per request; then the module's whole
# "--show" run of that table with GETNEXT and GETBULK against snmptable and snmpbulkwalk (options go
# to both: --rows N); then a snapshot of
# the whole catalogue against the --show runs of the same entries; then the IF Table window's walk
# over a large table against the headless read of the same entry (offscreen); then the start of the
# main window to the first LED state on its front panel.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQSW_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target walk_bench show_bench snapshot_bench list_view_bench startup_bench qsw7400-sim
"$build/bench/walk_bench" "$@"
"$build/bench/show_bench" "$@"
"$build/bench/snapshot_bench"
"$build/bench/list_view_bench"
"$build/bench/startup_bench"
