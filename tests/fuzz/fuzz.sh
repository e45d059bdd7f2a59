#!/usr/bin/env bash
# Builds the link parser's fuzzer with clang's libFuzzer and AddressSanitizer
# and runs it for a bounded time, seeded with the examples. Any crash, abort,
# leak or input that takes over a second fails, and is kept in WORK_DIR.
# Usage: fuzz.sh SOURCE_DIR WORK_DIR SECONDS GENERATED_DIR
set -euo pipefail
source=$1 work=$2 seconds=$3
mkdir -p "$work/corpus"
generated=${4:?the folder with the generated words/phrases.h}
common=(-std=c++20 -O1 -g -I"$source/window" -I"$source/window/platform" -I"$source/model"
        -I"$generated" "$source/window/lesson/setup_link.cpp" "$source/window/lesson/examples.cpp"
        "$source/window/platform/text.cpp" "$source/window/platform/decimal.cpp")
clang++-14 "${common[@]}" "$source/tests/fuzz/seeds.cpp" -o "$work/seeds"
"$work/seeds" "$work/corpus"
clang++-14 "${common[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    "$source/tests/fuzz/fuzz_setup_link.cpp" -o "$work/fuzz_setup_link"
"$work/fuzz_setup_link" -max_total_time="$seconds" -timeout=1 -max_len=8192 -artifact_prefix="$work/" \
    -print_final_stats=1 "$work/corpus" 2>&1 | tail -n 12
