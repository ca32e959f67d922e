#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (address and undefined-behaviour checks on every
# library) and runs each of them for a bounded time, starting from the seeds in fuzz/corpus/<target>.
#
#   tools/fuzz.sh --short                 10 seconds per target (what the test suite runs)
#   tools/fuzz.sh --long 600              600 seconds per target
#   tools/fuzz.sh --long 600 wordlist     one target only (jpeg, dib, wordlist, highscores, sound)
#   --build-dir DIR                       build folder (default build/fuzz); one configured with the fuzz
#                                         targets already, such as build/asan, is used as it is
#
# New inputs the fuzzers find interesting collect in <build>/corpus/<target>; an input that fails lands
# in <build>/findings/<target>/ and the script ends with status 1. Keep a fixed finding as a regression
# case by copying it into fuzz/corpus/<target>/ under a name that says what it broke; the suite replays
# every file there. Exits 77 (skipped) when clang++ is not installed.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"

seconds=10
build_dir="$top/build/fuzz"
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --short) seconds=10 ;;
    --long)
        seconds="${2:?--long needs a number of seconds}"
        shift
        ;;
    --build-dir)
        build_dir="${2:?--build-dir needs a folder}"
        shift
        ;;
    -h | --help)
        sed -n '2,13p' "$0"
        exit 0
        ;;
    *) targets+=("$1") ;;
    esac
    shift
done
if [ ${#targets[@]} -eq 0 ]; then
    targets=(jpeg dib wordlist highscores sound)
fi

if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed (Debian packages clang and libclang-rt-14-dev): fuzzing skipped"
    exit 77
fi

# A build folder configured with the fuzz targets already (the sanitizer preset's) is used as it is.
if ! grep -qs '^ZUB_FUZZ:[A-Z]*=ON$' "$build_dir/CMakeCache.txt"; then
    flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_CXX_FLAGS="$flags" -DZUB_FUZZ=ON -DZUB_BUILD_TESTS=OFF -DZUB_BENCH=OFF >"$build_dir.configure.log" 2>&1 ||
        { cat "$build_dir.configure.log"; exit 1; }
fi
cmake --build "$build_dir" -j2 --target "${targets[@]/#/fuzz_}"

# Leaks are looked for too: the targets hold nothing between runs but the files of their own folder.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
# The game targets write their files at every run: a folder in memory makes that several times faster.
# A target that stops at a failed check leaves its files behind, so they go to a folder of this run.
tmp_parent=/dev/shm
[ -d "$tmp_parent" ] && [ -w "$tmp_parent" ] || tmp_parent="$build_dir"
TMPDIR="$(mktemp -d "$tmp_parent/zub-fuzz.XXXXXX")"
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

status=0
summary=()
for target in "${targets[@]}"; do
    work="$build_dir/corpus/$target"
    findings="$build_dir/findings/$target"
    log="$build_dir/fuzz_$target.log"
    mkdir -p "$work" "$findings"
    echo "Fuzzing $target for $seconds s"
    # The work corpus comes first: the fuzzer adds what it finds there, never to the committed seeds.
    if "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$top/fuzz/corpus/$target" >"$log" 2>&1; then
        result="ok"
    else
        result="FAILED, input in $findings (log $log)"
        status=1
        tail -n 40 "$log"
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)"
    summary+=("$(printf '%-11s %10s runs %7s/s  corpus %4s  %s' "$target" "${runs:-?}" "${rate:-?}" \
        "$(find "$work" -type f | wc -l)" "$result")")
done
printf '%s\n' "${summary[@]}"
exit $status
