#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) in build-fuzz and runs each
# for a bounded time: scripts/fuzz.sh [seconds-per-target] [target...]
# New inputs go to build-fuzz/corpus/<target> (the seeds in tests/fuzz/corpus are only read); an
# input that crashes, hangs or trips a sanitizer is written to fuzz-findings/<target>/ and the run
# of that target fails. Add it to tests/fuzz/regressions/<target>/ with the fix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
shift || true
# Every target the build declares, so that a new one is never left out.
mapfile -t all < <(sed -n 's/^qsw_fuzz_target(\([a-z0-9_]*\).*/\1/p' "$root/tests/fuzz/CMakeLists.txt")
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

"$root/scripts/install-deps.sh" --fuzz
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQSW_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
failed=()
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  findings="$root/fuzz-findings/$t"
  mkdir -p "$corpus" "$findings"
  echo "== $t: $seconds s"
  rc=0
  nice -n "${FUZZ_NICE:-0}" "$build/tests/fuzz/fuzz_$t" "$corpus" "$root/tests/fuzz/corpus/$t" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$build/$t.log" 2>&1 || rc=$?
  grep -E '^#[0-9]+ +DONE|ERROR|SUMMARY|stat::number_of_executed_units|Test unit written' "$build/$t.log" || true
  [ "$rc" -eq 0 ] || failed+=("$t")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (see fuzz-findings/ and build-fuzz/<target>.log)"
  exit 1
fi
echo "No findings."
