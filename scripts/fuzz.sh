#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz and runs each
# for SECONDS (default 60), one after another in a single process, starting from its
# seeds in tests/fuzz/corpus/<target>. New inputs go to build-fuzz/corpus/<target>,
# crash inputs to build-fuzz/artifacts/<target>/; the folders in git are only read.
# Needs clang and libclang-rt-dev (Debian: clang-14, libclang-rt-14-dev).
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
all=(fuzz_clone_file fuzz_channel_csv fuzz_block_exchange fuzz_entry_text)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DKVR27_FUZZ=ON -DKVR27_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null || exit 1
cmake --build build-fuzz -j2 --target "${targets[@]}" >build-fuzz/build.log 2>&1 || {
    cat build-fuzz/build.log
    exit 1
}

summary=()
status=0
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    artifacts=build-fuzz/artifacts/$target
    log=build-fuzz/$target.log
    mkdir -p "$corpus" "$artifacts"
    echo "== $target: ${seconds} s"
    start=$(date +%s)
    build-fuzz/tests/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1
    result=$?
    elapsed=$(($(date +%s) - start))
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    size=$(grep -o 'corp: [0-9]*' "$log" | tail -1 | sed 's/corp: //')
    crashes=$(find "$artifacts" -type f | wc -l)
    if [ "$result" -ne 0 ]; then
        status=1
        grep -E 'property failed|ERROR: |SUMMARY: ' "$log" | head -5
    fi
    summary+=("$(printf '%-20s %5s s  %12s executions  %8s exec/s  corpus %6s  crash inputs %s  exit %s' \
        "$target" "$elapsed" "${executions:-?}" "${rate:-?}" "${size:-?}" "$crashes" "$result")")
done
printf '%s\n' "${summary[@]}"
exit $status
