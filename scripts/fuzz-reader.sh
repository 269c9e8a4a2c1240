#!/usr/bin/env bash
# fuzz-reader.sh [SECONDS]: fuzzes the project-file reader with libFuzzer and the address
# and undefined-behaviour sanitizers for SECONDS (default 600), starting from the sample
# projects in examples/. Needs clang (Debian package clang); VEK_FUZZ_RECALC=1 also
# recalculates assigned components. Findings land in build/fuzz/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
if ! command -v clang++ >/dev/null; then
  echo "fuzz-reader.sh: clang++ is missing; install the Debian package clang" >&2
  exit 2
fi
build="$root/build/fuzz"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -g -fconstexpr-steps=100000000"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags -fsanitize=fuzzer-no-link" \
  -DVEK_BUILD_TESTS=OFF -DVEK_BUILD_BENCH=OFF -DVEK_BUILD_GUI=OFF >/dev/null
cmake --build "$build" --target vek_project --parallel 2
clang++ -std=c++20 -O1 $flags -fsanitize=fuzzer -I"$root/src" \
  "$root/tests/project/fuzz/ProjectReaderFuzz.cpp" \
  "$build/src/project/libvek_project.a" "$build/src/engine/libvek_engine.a" \
  "$build/src/language/libvek_language.a" "$build/src/core/libvek_core.a" \
  -o "$build/fuzz-reader"
corpus="$build/corpus"
mkdir -p "$corpus"
cp "$root"/examples/*.vek "$corpus/"
cd "$build"
exec ./fuzz-reader -max_total_time="$seconds" -max_len=65536 -timeout=60 -rss_limit_mb=2048 \
  -dict="$root/tests/project/fuzz/project.dict" -print_final_stats=1 "$corpus"
