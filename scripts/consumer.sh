#!/usr/bin/env bash
# Installs a build into a temporary prefix and builds against it as projects outside the tree do:
#  - tests/consumer (the binding framework, no Qt, no state files), through find_package and
#    through pkg-config, finding and linking no Xerces-C;
#  - examples/qt-app (a Designer form bound to a QObject), through find_package and through
#    pkg-config, and runs its QTest test off screen;
#  - every installed header compiles, and a header of the library's own (not installed) does not.
#   scripts/consumer.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name tavparts.pc | head -n 1)")
fail() { echo "consumer: $*" >&2; exit 1; }

# The framework alone: Xerces-C may not even be findable.
cmake -S tests/consumer -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
      -DCMAKE_DISABLE_FIND_PACKAGE_XercesC=ON --no-warn-unused-cli >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/consumer"
# shellcheck disable=SC2046
g++ -o "$work/consumer-pc" tests/consumer/main.cpp $(pkg-config --cflags --libs tavparts)
"$work/consumer-pc"
for program in "$work/cmake/consumer" "$work/consumer-pc"; do
    ! ldd "$program" | grep -q xerces || fail "$program links Xerces-C"
done

# The public headers compile on their own; the library's own are not there to include.
echo '#include "host/forms/FormRunner.h"' > "$work/internal.cpp"
# shellcheck disable=SC2046
! g++ -fsyntax-only $(pkg-config --cflags tavparts) "$work/internal.cpp" 2>/dev/null ||
    fail "an internal header compiles against the install"
if ! pkg-config --exists tavparts-qt; then
    echo "consumer: built without Qt 6 Widgets, so without examples/qt-app (install qt6-base-dev)"
    exit 0
fi
find "$prefix/include/tavparts" -name '*.h' | sed 's|.*/include/tavparts/\(.*\)|#include "\1"|' > "$work/all.cpp"
# shellcheck disable=SC2046
g++ -fsyntax-only $(pkg-config --cflags tavparts-qt) "$work/all.cpp" || fail "the installed headers do not compile"

# An application of its own, by CMake...
app=examples/qt-app
export QT_QPA_PLATFORM=offscreen
cmake -S $app -B "$work/qt-app" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/qt-app" >/dev/null
"$work/qt-app/length-app-test" -silent
# ...and by pkg-config, with Qt's code generators run by hand.
qt_tools=$(pkg-config --variable=libexecdir Qt6Core)
gen=$work/qt-app-pc
mkdir -p "$gen"
"$qt_tools/uic" $app/LengthWindow.ui -o "$gen/ui_LengthWindow.h"
"$qt_tools/moc" $app/Sample.h -o "$gen/moc_Sample.cpp"
"$qt_tools/moc" $app/LengthWindow.h -o "$gen/moc_LengthWindow.cpp"
"$qt_tools/moc" $app/LengthWindowTest.cpp -o "$gen/LengthWindowTest.moc"
# shellcheck disable=SC2046
g++ -o "$gen/length-app-test" -I"$gen" -I$app $app/LengthWindow.cpp $app/LengthWindowTest.cpp \
    "$gen/moc_Sample.cpp" "$gen/moc_LengthWindow.cpp" $(pkg-config --cflags --libs tavparts-qt Qt6Test)
"$gen/length-app-test" -silent
echo "consumer: the installed library builds and runs by CMake and by pkg-config"
