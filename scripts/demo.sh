#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the library and runs the demo: a typical form, step by
# step, then a few Variant calculations.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tavparts_cli
bin=build/release/tavparts
run() {
    printf '$ tavparts'; printf " '%s'" "$@"; printf '\n'
    "$bin" "$@" || true
}
run run examples/forms/typical.form
run calc 'I4:5' Add 'Str:"3"'
run calc CStr 'R8:0.30000000000000004'
run calc 'I4:1' Div 'I4:0'
