#!/usr/bin/env bash
# Builds Vellumark and runs every test through CTest, then the deeper checks: clang-tidy, the
# 32-bit x87 build, the Windows build under Wine, the whole suite under sanitizers, and a
# minute of fuzzing.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
# Every build below compiles much the same sources; ccache shares the work between them and
# with the previous run.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache

# The builds and their binary folders are the presets in CMakePresets.json.
cmake --preset release
cmake --build --preset release
ctest --preset release

scripts/tidy.sh
scripts/check-32bit.sh
scripts/check-windows.sh
scripts/check-web.sh
scripts/sanitize.sh
scripts/fuzz.sh
