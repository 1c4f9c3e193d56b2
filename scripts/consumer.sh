#!/usr/bin/env bash
# Installs a build into a temporary prefix and builds and runs tests/consumer against it, once
# through find_package and once through pkg-config.
#   scripts/consumer.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

cmake -S tests/consumer -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/consumer"

pc_dir=$(dirname "$(find "$work/prefix" -name tavparts.pc | head -n 1)")
flags=$(PKG_CONFIG_PATH="$pc_dir" pkg-config --cflags --libs tavparts)
# shellcheck disable=SC2086
g++ -o "$work/consumer-pc" tests/consumer/main.cpp $flags
"$work/consumer-pc"
