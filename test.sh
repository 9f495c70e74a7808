#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: a plain build and a
# build with AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kv_install_packages "${KV_BUILD_PACKAGES[@]}"

export QT_QPA_PLATFORM=offscreen
# The tests read the English texts; those that test a language set it themselves.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
jobs=$(nproc)

run_suite() {  # build-dir, extra cmake args...
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 300)
}

echo "== plain build =="
run_suite build -DKV_WERROR=ON
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
run_suite build-asan -DKV_SANITIZE=ON

echo "== Windows: cross-built with mingw-w64, tested under Wine =="
windows_start=$SECONDS
scripts/windows-check.sh build
echo "Windows step: $((SECONDS - windows_start)) s"

echo "== Debian package: build, install, run, remove =="
scripts/package-check.sh build-release

echo "== libFuzzer targets, 20 s each =="
kv_install_packages "${KV_FUZZ_PACKAGES[@]}"
if command -v clang-16 >/dev/null; then
    # A fixed seed: the short run repeats what was fuzzed here rather than
    # gambling on a new path in every build; the long runs explore.
    FUZZ_SEED=1 scripts/fuzz.sh 20
fi
