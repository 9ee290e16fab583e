#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UBSan, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQSW_SANITIZE=ON
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --timeout 300 -j2 "$@"
