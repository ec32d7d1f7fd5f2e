#!/usr/bin/env bash
# Runs a Windows program under Wine with the prefix and locale of wine-env.sh: the emulator of
# the cross build (CMAKE_CROSSCOMPILING_EMULATOR), so that CTest runs the cross-built tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
wine_env_setup
# The program's output goes through files: Wine's desktop process, which the first program with
# a window starts, would keep a pipe of the caller's open for as long as it lives, and CTest
# waits for that.
output=$(mktemp "${TMPDIR:-/tmp}/zurvane-wine-run.XXXXXX")
errors=$(mktemp "${TMPDIR:-/tmp}/zurvane-wine-run.XXXXXX")
trap 'rm -f "$output" "$errors"' EXIT
status=0
env "${wine_locale[@]}" wine "$@" >"$output" 2>"$errors" || status=$?
cat "$output"
cat "$errors" >&2
exit "$status"
