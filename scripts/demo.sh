#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the library and runs the demo.
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
run calc 'I4:5' Add 'Str:"3"'
run calc 'I2:32767' Add 'I2:1'
run calc 'Str:"a"' Cat 'R8:2.5' Cat 'Bool:True'
run calc 'R8:7' IDiv 'I4:2' Mul 'R8:1.5'
run calc CStr 'R8:0.30000000000000004'
run calc CInt 'Str:" (1,234.5) "'
run calc CDate 'Str:"March 5, 2024 3:04 PM"'
run calc Cmp 'I4:10' 'Str:"9"'
run calc 'I4:1' Div 'I4:0'
