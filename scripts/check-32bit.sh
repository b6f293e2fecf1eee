#!/usr/bin/env bash
# The old platform ran the cipher on a 32-bit x86 with the x87 floating-point unit, and its
# cipher texts must come out the same. Builds the engine, the runtime and their tests with
# -m32 -mfpmath=387 in build-m32 (GoogleTest built from source: Debian ships it 64-bit only)
# and runs the tests, which hold exact cipher texts. Then builds scripts/cipher_digest.cpp for
# x86-64 and for x87 (optimised and not) and compares its digest over all 999,999 code
# numbers. Exits non-zero on any difference.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-m32
flags="-m32 -mfpmath=387"
start=$SECONDS

if [ ! -f /usr/src/googletest/CMakeLists.txt ]; then
    echo "check-32bit: /usr/src/googletest missing (Debian package googletest)" >&2
    exit 1
fi
if ! echo 'int main() {}' | g++ $flags -x c++ - -o /dev/null 2>/dev/null; then
    echo "check-32bit: g++ cannot build 32-bit programs (Debian package g++-multilib)" >&2
    exit 1
fi

# Where the kernel cannot run 32-bit programs (no IA-32 emulation), qemu's user-mode
# emulator runs them, x87 arithmetic included.
run32=()
probe=$(mktemp)
echo 'int main() {}' | g++ $flags -x c++ - -o "$probe"
if ! "$probe" 2>/dev/null; then
    if ! command -v qemu-i386 >/dev/null; then
        echo "check-32bit: this kernel cannot run 32-bit programs, and qemu-i386 is missing (Debian package qemu-user)" >&2
        exit 1
    fi
    run32=(qemu-i386)
    echo "check-32bit: running the 32-bit programs under ${run32[*]}"
fi
rm -f "$probe"

# The preset's flags are $flags.
cmake --preset m32 >/dev/null
cmake --build "$build" -j2 --target engine_tests
tests=$build/tests/engine/engine_tests
if ! file -L "$tests" | grep -q 'ELF 32-bit.*80386'; then
    echo "check-32bit: $tests is not a 32-bit x86 program" >&2
    exit 1
fi
"${run32[@]}" "$tests" --gtest_brief=1

# The same digest from the SSE arithmetic of x86-64 and from the x87's, in registers (-O2) and
# spilled to memory (-O0).
sources=(scripts/cipher_digest.cpp engine/*.cpp runtime/*.cpp)
declare -A digests
for variant in "x86-64 -O2" "x87 -O2" "x87 -O0"; do
    read -r arch opt <<<"$variant"
    extra=""
    [ "$arch" = x87 ] && extra=$flags
    program="$build/cipher_digest-$arch$opt"
    g++ -std=c++17 $opt $extra -I. "${sources[@]}" -o "$program"
    if [ "$arch" = x87 ]; then
        digests[$variant]=$("${run32[@]}" "$program")
    else
        digests[$variant]=$("$program")
    fi
    echo "cipher digest, $variant: ${digests[$variant]}"
done
if [ "${digests[x87 -O2]}" != "${digests[x86-64 -O2]}" ] ||
    [ "${digests[x87 -O0]}" != "${digests[x86-64 -O2]}" ]; then
    echo "check-32bit: FAILED, the x87 build gives other cipher texts ($((SECONDS - start)) s)" >&2
    exit 1
fi
echo "check-32bit: OK, engine tests pass on 32-bit x87 and all code numbers agree with x86-64 ($((SECONDS - start)) s)"
