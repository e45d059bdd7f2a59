#!/usr/bin/env bash
# scripts/run builds the program and nothing else: run against a stand-in
# cmake that records what it is asked, and a stand-in program.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts" "$work/tree/build" "$work/bin"
cp "$source_dir/scripts/run" "$source_dir/scripts/common.sh" "$work/tree/scripts/"
printf '#!/bin/sh\nexit 0\n' >"$work/tree/build/quorvel"
printf '#!/bin/sh\necho "$*" >>"%s/cmake.log"\n' "$work" >"$work/bin/cmake"
# Every package counts as installed.
printf '#!/bin/sh\nprintf "install ok installed"\n' >"$work/bin/dpkg-query"
chmod +x "$work/tree/build/quorvel" "$work/bin/cmake" "$work/bin/dpkg-query"
PATH="$work/bin:$PATH" DISPLAY=:0 "$work/tree/scripts/run"
builds=$(grep -c -- '--build' "$work/cmake.log" || true)
if [ "$builds" != 1 ] || ! grep -q -- '--build .* --target quorvel$' "$work/cmake.log"; then
    echo "scripts/run asked cmake for:" >&2
    cat "$work/cmake.log" >&2
    exit 1
fi
echo "scripts/run builds the quorvel target only"
