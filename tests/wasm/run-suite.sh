#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the WebAssembly build's tests for the native build's CTest; a skip
# (77), with the reason, where that build was not made.
ctest=$1
build=$2
if ! command -v emcc >/dev/null 2>&1; then
    echo "SKIP: emscripten is not installed (apt-get install emscripten), so there is no WebAssembly build to test"
    exit 77
fi
if [ ! -f "$build/CTestTestfile.cmake" ] || [ ! -f "$build/vantrel-core.wasm" ]; then
    echo "SKIP: no WebAssembly build in $build (scripts/bootstrap makes it)"
    exit 77
fi
exec "$ctest" --test-dir "$build" --output-on-failure -j2
