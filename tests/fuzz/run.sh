#!/usr/bin/env bash
# Runs the text fuzz target, already built by the fuzz preset, for a bounded time:
#   tests/fuzz/run.sh SECONDS
# Exits non-zero when the fuzzer finds a crash or a difference from the reference.
set -euo pipefail

seconds="${1:?usage: tests/fuzz/run.sh SECONDS}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
binary="${FUZZ_BUILD_DIR:-$root/build/fuzz}/tests/fuzz/text_fuzz"
if [[ ! -x "$binary" ]]; then
    echo "no fuzz binary at $binary: build it with 'cmake --preset fuzz && cmake --build --preset fuzz'" >&2
    exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
# Seeds: short texts that touch the rules, so that the run starts from something useful.
printf 'a\r\n\r\n  \r\nb\r\n' >"$work/corpus/lines"
printf '\xB0\xA1\xA1\xB0 \x81\x20 \x81. \xA1\xA1x \x81' >"$work/corpus/boundaries"
printf 'Hello, world! 3.14 ~$5 \xA3\xC1\xA3\xB1\xA1\xA3\xA1\xEE\xA3\xFE' >"$work/corpus/punctuation"
printf '\xe4\xbd\xa0\xe5\xa5\xbd\xe3\x80\x80\xf0\x9f\x98\x80\r\n\xff' >"$work/corpus/utf8"
# The block kernels start at 192 bytes: longer seeds, with lines of Chinese and English prose.
for ((i = 0; i < 40; i++)); do
    printf '\xA1\xA1\xD5\xE2\xCA\xC7\xA3\xAC\xD2\xBB\xB6\xCE \xCE\xC4\xD7\xD6\xA1\xA3  \r\n'
done >"$work/corpus/chinese_lines"
for ((i = 0; i < 30; i++)); do printf '  Hello, world. It is 3.14 ~ok~ \r\n'; done >"$work/corpus/english_lines"

echo "fuzzing the text core and the bridge for ${seconds}s with $binary"
cd "$work"
# len_control=0: long inputs from the start, so that the block kernels run at once.
"$binary" -max_total_time="$seconds" -max_len=2048 -len_control=0 -timeout=10 \
    -print_final_stats=1 "$work/corpus"
