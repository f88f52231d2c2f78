#!/usr/bin/env bash
# Fuzzes every target in turn for SECONDS each (default 60), with the limits the readers must
# hold: 1 s per input, 512 MB resident, 64 MB per allocation. Builds the targets with clang
# first. New inputs go to build-fuzz/corpus/<target> (the seeds in fuzz/corpus stay as they
# are), findings to build-fuzz/findings. Names of targets after SECONDS pick some of them.
#   fuzz/run.sh 1800                      every target for 30 minutes
#   fuzz/run.sh 600 fuzz_roomfile         one target for 10 minutes
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-60}
shift || true
ziele=("$@")
[ ${#ziele[@]} -gt 0 ] || ziele=(fuzz_roomfile fuzz_itemskript fuzz_raumpruefung fuzz_pruefbericht
                                 fuzz_zusammenfuehren fuzz_journal fuzz_kartenlayout
                                 fuzz_gitantworten fuzz_po fuzz_raetselplan)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARNHOLM_FUZZ=ON -DTARNHOLM_TESTS=OFF -DTARNHOLM_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel --target "${ziele[@]}"

mkdir -p build-fuzz/findings
# The sanitizer's own bookkeeping must not count against the resident limit, which is there
# for the readers: a small quarantine of freed memory, and no allocation stacks, because fast
# unwinding through Qt (built without frame pointers) records a new garbage stack on almost
# every allocation. A finding is best replayed with the default options, which keep them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32:malloc_context_size=0}
# Each target's own tokens where it has them, else the room file's.
woerterbuch() {
    if [ -f "fuzz/$1.dict" ]; then echo "fuzz/$1.dict"; else echo fuzz/room.dict; fi
}
status=0
for ziel in "${ziele[@]}"; do
    mkdir -p "build-fuzz/corpus/$ziel"
    echo "== $ziel: $sekunden s"
    log="build-fuzz/findings/$ziel.log"
    if ! build-fuzz/fuzz/"$ziel" "build-fuzz/corpus/$ziel" "fuzz/corpus/$ziel" \
        -dict="$(woerterbuch "$ziel")" -max_total_time="$sekunden" -timeout=1 -rss_limit_mb=512 \
        -malloc_limit_mb=64 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$ziel-" \
        >"$log" 2>&1; then
        echo "   FINDING, see $log and build-fuzz/findings/$ziel-*"
        status=1
    fi
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" | sed 's/^/   /'
done
exit $status
