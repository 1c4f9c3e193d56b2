#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang with libFuzzer, AddressSanitizer and UBSan) and
# runs each for SECONDS (default 10) from its seeds in fuzz/corpus/<target>/. Inputs that reach
# new code are kept in build/fuzz/corpus/<target>/, the seeds in the tree stay as they are. A
# crash, a sanitizer report, a hang or a broken property is a finding: its input is written to
# build/fuzz/findings/ and the script fails once every target has run. Each run takes a random
# seed: this is where new faults are looked for (the dev build's tests run fixed inputs, see
# fuzz/README.md).
#
#   scripts/fuzz.sh            # each target 10 s
#   scripts/fuzz.sh 5          # each target 5 s from its seeds
#   scripts/fuzz.sh 1800       # each target half an hour
#   FUZZ_TARGETS="FormatFuzz DateTextFuzz" scripts/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
scripts/setup-debian.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

bin=build/fuzz/fuzz
findings=build/fuzz/findings
mkdir -p "$findings"
# The XML parser keeps one block of its own for the life of the process (tests/sanitizers).
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}
targets=${FUZZ_TARGETS:-$(cd fuzz && ls -- *Fuzz.cpp | sed 's/\.cpp$//')}
failed=()
for target in $targets; do
    work=build/fuzz/corpus/$target
    mkdir -p "$work"
    echo "== $target: ${seconds}s"
    # One input may take at most 30 s and 2 GB; the log goes to the console only on a finding.
    if ! "$bin/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$findings/$target-" "$work" "fuzz/corpus/$target" \
        > "build/fuzz/$target.log" 2>&1; then
        tail -n 60 "build/fuzz/$target.log"
        failed+=("$target")
    else
        grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "build/fuzz/$target.log" || true
    fi
done
if ((${#failed[@]})); then
    echo "fuzz: findings in ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "fuzz: no findings"
