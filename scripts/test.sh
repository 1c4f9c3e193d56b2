#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the optimised configuration and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --workflow --preset release
# A project outside the tree builds against the installed library (find_package and pkg-config).
scripts/consumer.sh build/release
