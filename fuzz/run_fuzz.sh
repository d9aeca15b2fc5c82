#!/usr/bin/env bash
# Runs fuzz targets one after the other, each for a set time, from its seed corpus, its
# regression inputs and everything earlier runs found (kept in the work folder), and leaves
# what crashes in a folder per target. Called by `make fuzz`.
#
#   fuzz/run_fuzz.sh <fuzz build dir> <seconds per target> <target>...
#
# Work folder: <build dir>/fuzz-out/{corpus,crashes,logs}/<target>. Exit status 1 when any
# target crashed, timed out or leaked (the files are listed at the end; slow-unit-* files are
# inputs that took over ten seconds, kept for a look).
set -uo pipefail

build=$(realpath "$1")
seconds=$2
shift 2
source_dir=$(realpath "$(dirname "$0")")
out="$build/fuzz-out"
# Paths are absolute: the Invoke target works inside its scratch directory.
export LSAN_OPTIONS="suppressions=$source_dir/../tests/support/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The Invoke script is short; the file targets take the largest seed as their limit.
max_len_of() {
    case "$1" in
        invoke_args) echo "-max_len=512" ;;
        *) echo "" ;;
    esac
}

crashed=0
for target in "$@"; do
    corpus="$out/corpus/$target"
    crashes="$out/crashes/$target"
    mkdir -p "$corpus" "$crashes" "$out/logs"
    log="$out/logs/$target.log"
    echo "== $target: $seconds s (log $log)"
    # New inputs go to the first folder; the seeds and regressions are read only.
    inputs=("$corpus" "$build/fuzz/seeds/$target")
    if [ -d "$source_dir/regressions/$target" ]; then inputs+=("$source_dir/regressions/$target"); fi
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$crashes/" $(max_len_of "$target") "${inputs[@]}" >"$log" 2>&1
    status=$?
    grep -E "^#[0-9]+ +(DONE|INITED)|stat::number_of_executed_units|ERROR:" "$log" | tail -n 3
    # Slow units are worth a look but are not failures; everything else libFuzzer leaves is.
    if [ "$status" -ne 0 ] || compgen -G "$crashes/[!s]*" >/dev/null; then crashed=1; fi
done

if [ "$crashed" -ne 0 ]; then
    echo "Crashes, timeouts or leaks were found; the inputs are in $out/crashes:"
    find "$out/crashes" -type f | sort
    exit 1
fi
echo "No crash found. Corpora: $out/corpus"
