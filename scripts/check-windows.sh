#!/usr/bin/env bash
# The Windows edition, checked under Wine on Linux. Builds it (scripts/build-windows.sh) and
# the engine tests for Windows in build-windows, and the Linux CLI and its process tests in
# build; then, in one fresh Wine prefix:
#   - the programs' version information and icon;
#   - the engine, window-core and Win32 front-end tests (engine_tests.exe, window_core_tests.exe,
#     win32_tests.exe);
#   - the CLI's process tests against vellumark-cli.exe, and its text on a console;
#   - vellumark-cli.exe against the Linux CLI, byte for byte, on random texts and code numbers
#     (COMPARE_CASES of them, 300 unless set).
#   - vellumark.exe driven on a private X server with a window manager, through the Qt
#     edition's end-to-end script (tests/e2e/clipboard_round_trip.sh --wine).
# Prints one summary line; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
# Any command that fails ends the run with its line, the command and its status; a bounded
# step by its name, since the command that the trap sees is then bounded's return.
step=
failed() {
    local command="'$2'"
    if [ "$2" = 'return "$status"' ]; then
        command=$step
    fi
    echo "check-windows: FAILED at line $1: $command exited with status $3 ($((SECONDS - start)) s)" >&2
}
trap 'failed $LINENO "$BASH_COMMAND" $?' ERR
# Runs a step with a bound on its time: a hung Wine start fails the run with a reason.
bounded() {
    local seconds=$1 what=$2 status=0
    shift 2
    step=$what
    timeout "$seconds" "$@" || status=$?
    if [ "$status" -eq 124 ]; then
        echo "check-windows: $what did not end within $seconds s" >&2
    elif [ "$status" -ne 0 ]; then
        echo "check-windows: $what failed with status $status" >&2
    fi
    return "$status"
}
# A bounded step that says nothing when it passes: its output goes to a log, whose end is shown
# when it fails.
quietly() {
    local log="$WINEPREFIX/${2//[^A-Za-z0-9]/_}.log" status=0
    bounded "$@" >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        echo "check-windows: the end of the output of $2:" >&2
        tail -n 40 "$log" >&2
    fi
    return "$status"
}
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
cases=${COMPARE_CASES:-300}

if [ ! -x "$wine" ]; then
    echo "check-windows: $wine is missing (Debian package wine64)" >&2
    exit 1
fi

scripts/build-windows.sh -DVELLUMARK_WERROR=ON
cmake --build build-windows -j2 --target engine_tests recovery_tests window_core_tests win32_tests \
    win32_probe behaviour_core_tests behaviour_win32_tests
if [ ! -f build/CMakeCache.txt ]; then
    cmake --preset release >/dev/null
fi
cmake --build build -j2 --target vellumark-cli cli_tests

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' build-windows/CMakeCache.txt)
for exe in build-windows/vellumark*.exe; do
    echo -n "$exe: "
    python3 tests/packaging/check_version_resource.py "$exe" "$version"
done

# One prefix for the whole run: its first start takes many seconds, later ones a fraction of
# one while the server stays up (-p). No Mono or Gecko: nothing here needs .NET or HTML.
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() {
    "$server" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT
quietly 120 "setting up the Wine prefix" "$wine" wineboot -i
# The main window's tests run on Wine's null display driver, with no X server; the end-to-end
# test below takes X11 again.
drivers='HKCU\Software\Wine\Drivers'
quietly 60 "choosing the null display driver" "$wine" reg add "$drivers" /v Graphics /d null /f
# wineboot returns while the prefix's set-up still runs; a program started then may fail.
bounded 120 "the prefix's set-up" "$server" -w
"$server" -p
# Wine starts its system processes (services.exe, winedevice.exe, rpcss.exe, ...) from the
# first program of a server's session, and they keep that program's standard error open for as
# long as the server runs. Started from a program of their own that holds nothing, they cannot
# keep open a pipe that a test reads to its end (compare_cli.py's, cli_tests' and the console
# step's), which would leave that test waiting with no message.
quietly 120 "starting Wine's system processes" "$wine" cmd.exe /c exit </dev/null
echo "Wine prefix ready ($((SECONDS - start)) s)"

for tests in engine_tests window_core_tests win32_tests; do
    bounded 120 "$tests.exe" "$wine" build-windows/$tests.exe --gtest_brief=1
done
# The behaviour table against the real Win32 window, as ctest's rows behaviour.win32/<row>
# (tests/behaviour/CMakeLists.txt), run under Wine in this prefix.
table_log=build-windows/tests/behaviour/behaviour.win32.log
status=0
bounded 600 "the behaviour table on the Win32 window" \
    ctest --test-dir build-windows -R '^behaviour\.win32' --output-on-failure \
    >"$WINEPREFIX/ctest.log" 2>&1 || status=$?
count() {
    local n
    n=$(sed -n "s/^\[  $1 *\] \([0-9]*\) tests\{0,1\}[,.].*/\1/p" "$table_log" | head -n 1)
    echo "${n:-0}"
}
echo "check-windows: behaviour table on the Win32 window: $(count PASSED) rows passed," \
    "$(count FAILED) failed, $(count SKIPPED) skipped"
# Each skipped row with its reason, the line before it.
tr -d '\r' <"$table_log" | grep -B1 '^\[  SKIPPED \] behaviour.*ms)$' | grep -v '^--$' |
    paste - - | sed 's/\t\[  SKIPPED \] / -- /; s/ ([0-9]* ms)$//; s/^/  skipped: /' || true
if [ "$status" -ne 0 ]; then
    grep -E '^(line [0-9]+:|row |\[  FAILED  \] behaviour)' "$table_log" >&2 ||
        tail -n 40 "$WINEPREFIX/ctest.log" >&2
    exit "$status"
fi
# The CLI's process tests, their whole output in a log. RunProcess starts a test's program once
# more when it exits 1 without a word (Wine's failed start) and says so; a test that fails shows
# its processes: command, exit status, and the ends of their output.
cli_log=build-windows/cli_tests.log
cli_command="$wine $PWD/build-windows/vellumark-cli.exe"
status=0
VELLUMARK_CLI_COMMAND=$cli_command bounded 300 "cli_tests" build/tests/cli/cli_tests \
    >"$cli_log" 2>&1 || status=$?
grep '^RunProcess: ' "$cli_log" || true
if [ "$status" -ne 0 ]; then
    echo "check-windows: cli_tests against vellumark-cli.exe failed (status $status; all of its" \
        "output in $cli_log). The failed tests, each from its start:" >&2
    # Each failed test's lines, from its RUN line to the list of its processes; and a test that
    # never ended (the bound above) up to where the output stops.
    awk '/^\[ RUN      \]/ { block = ""; running = 1; shown = 0 }
        /^\[/ && !/^\[ RUN / && !/^\[  FAILED  \] [A-Za-z]/ { running = 0; shown = 0 }
        running { block = block $0 "\n" }
        /^\[  FAILED  \] [A-Za-z]/ && running { printf "%s", block; running = 0; shown = 1; next }
        shown { print }
        END { if (running) printf "%s(the output stops here)\n", block }' "$cli_log" |
        head -n 200 >&2
    first=$(sed -n 's/^\[  FAILED  \] \([A-Za-z][^ ,]*\).*/\1/p' "$cli_log" | head -n 1)
    if [ -n "$first" ]; then
        # With -all, Wine says nothing of its own; its error messages may tell why a start failed.
        # This run only shows them: the check has failed already.
        echo "check-windows: $first once more, with Wine's error messages (WINEDEBUG=fixme-all):" >&2
        WINEDEBUG=fixme-all VELLUMARK_CLI_COMMAND=$cli_command timeout 60 \
            build/tests/cli/cli_tests --gtest_brief=1 --gtest_filter="$first" 2>&1 |
            tail -n 60 >&2 || true
    fi
    exit "$status"
fi
# On a console the text goes through the wide console calls, so the terminal (Wine's console
# on the pseudo-terminal that `script` makes) shows "café" whatever the console's code page.
# Wine writes to the terminal in the locale's encoding: a UTF-8 one.
printf '1VuV0AAA' >"$WINEPREFIX/cipher.txt"
shown=$(LC_ALL=C.UTF-8 bounded 60 "vellumark-cli.exe on a console" script -qc \
    "$wine build-windows/vellumark-cli.exe decrypt --code 408153 <'$WINEPREFIX/cipher.txt'" /dev/null |
    sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g')
if [[ "$shown" != *café* ]]; then
    echo "check-windows: FAILED, the console shows $(printf %q "$shown") for café" >&2
    exit 1
fi
python3 scripts/compare_cli.py "$cases" "$PWD/build/cli/vellumark-cli" \
    "$wine $PWD/build-windows/vellumark-cli.exe"

quietly 60 "choosing the X11 display driver" "$wine" reg delete "$drivers" /v Graphics /f
bounded 300 "the end-to-end test" tests/e2e/clipboard_round_trip.sh --wine \
    build-windows/win32_probe.exe build-windows/vellumark.exe build/cli/vellumark-cli

echo "check-windows: OK, engine, window-core, Win32 and CLI tests pass under Wine, vellumark-cli.exe agrees with Linux on $cases random cases, and vellumark.exe passes the end-to-end test ($((SECONDS - start)) s)"
scripts/check-msi.sh
