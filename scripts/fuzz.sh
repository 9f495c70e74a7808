#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan+UBSan) in build-fuzz and runs each
# for SECONDS (default 600) on a copy of its seed corpus.
#   scripts/fuzz.sh [SECONDS]         every target
#   FUZZ_TARGETS="fuzz_ini fuzz_links" scripts/fuzz.sh 60
#   FUZZ_SEED=1 scripts/fuzz.sh 20    the same mutations every run (as ./test.sh does)
# Prints per target the executions reached and the crashes, leaks and
# timeouts found; exits non-zero when any target found anything. Findings are
# left in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kv_install_packages "${KV_BUILD_PACKAGES[@]}" "${KV_FUZZ_PACKAGES[@]}"

seconds=${1:-600}
all="fuzz_partmet fuzz_fakelist fuzz_ini fuzz_import fuzz_version fuzz_links fuzz_collection fuzz_content
     fuzz_listbody fuzz_signals fuzz_ec fuzz_qm"
targets=${FUZZ_TARGETS:-$all}

CC=clang-16 CXX=clang++-16 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKV_BUILD_GUI=OFF -DKV_BUILD_TESTS=OFF -DKV_FUZZ=ON >/dev/null
# shellcheck disable=SC2086
cmake --build build-fuzz -j2 --target $targets

# Inputs large enough for the formats' headers, small enough to stay fast.
max_len() {
    case $1 in
        fuzz_content) echo 16384 ;;
        fuzz_listbody|fuzz_partmet|fuzz_collection|fuzz_signals|fuzz_ec) echo 8192 ;;
        *) echo 4096 ;;
    esac
}

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
printf '%-16s %12s %8s %6s %8s\n' target executions crashes leaks timeouts
for t in $targets; do
    work=build-fuzz/corpus/$t
    found=build-fuzz/findings/$t
    rm -rf "$work" "$found"
    mkdir -p "$work" "$found"
    # A copy, so that the committed seeds stay as they are.
    [ -d "fuzz/corpus/$t" ] && cp -r "fuzz/corpus/$t/." "$work/"
    log=build-fuzz/findings/$t.log
    set +e
    (cd "$found" && "../../fuzz/$t" ${FUZZ_SEED:+-seed="$FUZZ_SEED"} -max_total_time="$seconds" -max_len="$(max_len "$t")" -timeout=10 \
        -rss_limit_mb=2048 -dict=../../../fuzz/ed2k.dict -print_final_stats=1 "../../corpus/$t") >"$log" 2>&1
    set -e
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    crashes=$(find "$found" -name 'crash-*' | wc -l)
    leaks=$(find "$found" -name 'leak-*' | wc -l)
    timeouts=$(find "$found" \( -name 'timeout-*' -o -name 'oom-*' -o -name 'slow-unit-*' \) | wc -l)
    # A run that ended without its final statistics died some other way.
    if [ -z "$execs" ]; then execs="?"; crashes=$((crashes + 1)); fi
    printf '%-16s %12s %8s %6s %8s\n' "$t" "$execs" "$crashes" "$leaks" "$timeouts"
    if [ "$crashes" -ne 0 ] || [ "$leaks" -ne 0 ] || [ "$timeouts" -ne 0 ]; then
        status=1
        echo "  see $log and $found/" >&2
    fi
done
exit $status
