#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang++, ASan+UBSan) in build-fuzz (the preset fuzz),
# runs their CTest tests (the committed corpus and a fixed count of inputs from it, under a
# fixed seed), then runs each for a bounded time, starting from the seeds in fuzz/corpus/. Exits non-zero on any crash, sanitizer
# report, leak, timeout or violated property; the input that did it lands in
# build-fuzz/artifacts/.
#
#   scripts/fuzz.sh                 about a minute in all, two targets at a time
#   FUZZ_SECONDS=600 scripts/fuzz.sh   longer
#   build-fuzz/fuzz/fuzz_crypt_text build-fuzz/artifacts/crypt_text-crash-...   replays one
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-fuzz
total=${FUZZ_SECONDS:-60}
targets=(code_text crypt_text code_number windows1252)
jobs=2
# The wall-clock budget is shared by $jobs targets at a time.
per_target=$((total * jobs / ${#targets[@]}))
start=$SECONDS

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ not found (Debian packages clang and libclang-rt-14-dev)" >&2
    exit 1
fi
cmake --preset fuzz >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"
built=$SECONDS
if ! ctest --preset fuzz -j2 >"$build/fuzz_tests.log" 2>&1; then
    grep -E 'property violated|ERROR:|SUMMARY:|Test unit written|\*\*\*Failed' \
        "$build/fuzz_tests.log" >&2 || tail -20 "$build/fuzz_tests.log" >&2
    echo "fuzz: FAILED on the committed corpus, see $build/fuzz_tests.log; inputs in $build/fuzz/test_artifacts/" >&2
    exit 1
fi

mkdir -p "$build/artifacts"
run() {
    local target=$1
    # New inputs go to the first folder, so the committed seeds stay as they are.
    mkdir -p "$build/corpus/$target"
    "$build/fuzz/fuzz_$target" "$build/corpus/$target" "fuzz/corpus/$target" \
        -max_total_time="$per_target" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 \
        >"$build/fuzz_$target.log" 2>&1
}

failed=()
summary=()
pids=()
names=()
finish() {  # waits for the oldest running target and records its outcome
    local target=${names[0]} pid=${pids[0]}
    names=("${names[@]:1}")
    pids=("${pids[@]:1}")
    if wait "$pid"; then
        local runs
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz_$target.log")
        summary+=("$target ${runs:-?} runs")
    else
        failed+=("$target")
        echo "---- fuzz_$target failed; its log ($build/fuzz_$target.log) ends:" >&2
        grep -E 'property violated|ERROR:|SUMMARY:|Test unit written|Base64:' \
            "$build/fuzz_$target.log" >&2 || tail -20 "$build/fuzz_$target.log" >&2
    fi
}
for target in "${targets[@]}"; do
    [ ${#pids[@]} -ge $jobs ] && finish
    run "$target" &
    pids+=($!)
    names+=("$target")
done
while [ ${#pids[@]} -gt 0 ]; do finish; done

timing="build $((built - start)) s, fuzzing $((SECONDS - built)) s"
if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz: FAILED: ${failed[*]}; inputs in $build/artifacts/ ($timing)" >&2
    exit 1
fi
printf -v joined '%s, ' "${summary[@]}"
echo "fuzz: OK, ${#targets[@]} targets, ${per_target} s each (${joined%, }; $timing)"
