#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVRIN_FUZZ=ON -DTAVRIN_TESTS=OFF -DTAVRIN_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"
shopt -s nullglob
targets=(build-fuzz/fuzzers/*)
if [ ${#targets[@]} -eq 0 ]; then
    echo "No fuzz targets."
    exit 0
fi
export QT_QPA_PLATFORM=offscreen
pids=()
for target in "${targets[@]}"; do
    name=$(basename "$target")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds="fuzz/seeds/$name"
    [ -d "$seeds" ] || seeds=""
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$corpus" $seeds \
        >"build-fuzz/$name.log" 2>&1 &
    pids+=("$!:$name")
done
failed=0
for entry in "${pids[@]}"; do
    pid=${entry%%:*}
    name=${entry#*:}
    if wait "$pid"; then
        echo "fuzz $name: passed"
    else
        echo "fuzz $name: FAILED"
        tail -n 40 "build-fuzz/$name.log"
        failed=1
    fi
done
exit $failed
