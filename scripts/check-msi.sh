#!/usr/bin/env bash
# The Windows packages that scripts/build-windows.sh leaves in build-windows/, checked on Linux:
#   - the zip holds the two programs, README.txt and LICENSE.txt, the texts with CR LF ends;
#   - the installer's tables (msiinfo): name, version, publisher, the fixed upgrade code, a
#     per-user install without elevation into the user's programs folder, the icon, the
#     Start-menu shortcut;
# and then, in a fresh Wine prefix on a private X server, as a user would:
#   - msiexec /i /qn installs the files, the shortcut and one entry in Installed apps, and
#     the installed programs start (vellumark.exe from its shortcut);
#   - the same package with a higher version, installed over it, leaves one entry, and the
#     older package does not go back over the newer one;
#   - msiexec /x /qn removes the files, the shortcut and the entry.
# Prints one summary line; on a failure says what it expected and what it saw.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
source tests/e2e/xvfb.sh

wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
# Fixed for good: a newer package finds the installed one by it.
upgrade_code='{A4981174-817C-4279-88D0-1188C41841CB}'
publisher='The Vellumark authors'

fail() {
    echo "check-msi: FAILED, $*" >&2
    exit 1
}
expect() {
    [ "$3" == "$2" ] || fail "$1: expected '$2', saw '$3'"
}

for tool in msiinfo wixl unzip xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/packages.txt)"
done
[ -x "$wine" ] || fail "$wine is missing (Debian package wine64)"
build=$PWD/build-windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
msi=$build/vellumark-$version-win64.msi
zip=$build/vellumark-$version-win64.zip
{ [ -f "$msi" ] && [ -f "$zip" ]; } || fail "expected $msi and $zip; run scripts/build-windows.sh"

# The zip: the programs and the two texts, nothing twice.
listing=$(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | sort | tr '\n' ' ')
expect "the zip's files" "LICENSE.txt README.txt vellumark-cli.exe vellumark.exe " "$listing"
for text in README.txt LICENSE.txt; do
    lines=$(unzip -p "$zip" "*/$text" | grep -c '' || true)
    crlf=$(unzip -p "$zip" "*/$text" | grep -c $'\r$' || true)
    { [ "$lines" -gt 0 ] && [ "$crlf" -eq "$lines" ]; } ||
        fail "the zip's $text: expected CR LF on all its lines, saw it on $crlf of $lines"
done

# The installer's tables. msiinfo export writes binary columns into files in the current
# folder, hence the subshell.
table() { (cd "$work_dir" && msiinfo export "$1" "$2") | tr -d '\r' | tail -n +4; }
property() { table "$1" Property | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
expect "ProductName" Vellumark "$(property "$msi" ProductName)"
expect "ProductVersion" "$version" "$(property "$msi" ProductVersion)"
expect "Manufacturer" "$publisher" "$(property "$msi" Manufacturer)"
expect "UpgradeCode" "$upgrade_code" "$(property "$msi" UpgradeCode)"
expect "ARPPRODUCTICON" vellumark.ico "$(property "$msi" ARPPRODUCTICON)"
# Per user: no ALLUSERS, and the summary's word count says it needs no elevation (bit 8).
expect "ALLUSERS" "" "$(property "$msi" ALLUSERS)"
word_count=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
(((word_count & 8) != 0)) || fail "the word count: expected bit 8 (no elevation), saw '$word_count'"
expect "the template" "x64;1033" "$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')"
expect "the folders" "INSTALLDIR UserProgramsFolder Vellumark|UserProgramsFolder LocalAppDataFolder Programs|" \
    "$(table "$msi" Directory | awk -F'\t' '$1 ~ /^(INSTALLDIR|UserProgramsFolder)$/ { print $1, $2, $3 }' |
        sort | tr '\n' '|')"
expect "the shortcut" "ProgramMenuFolder Vellumark [INSTALLDIR]vellumark.exe vellumark.ico" \
    "$(table "$msi" Shortcut | awk -F'\t' '{ print $2, $3, $5, $9 }')"
expect "the icon" vellumark.ico "$(table "$msi" Icon | cut -f 1)"
# The row that removes older versions: up to this one, not including it.
expect "the upgrade row" "$upgrade_code  $version 1 WIX_UPGRADE_DETECTED" \
    "$(table "$msi" Upgrade | awk -F'\t' '$7 == "WIX_UPGRADE_DETECTED" { print $1, $2, $3, $5, $7 }')"
expect "the files" "LICENSE.txt README.txt vellumark-cli.exe vellumark.exe " \
    "$(table "$msi" File | cut -f 3 | sort | tr '\n' ' ')"

# The same package with a higher version (1.00 -> 1.01), for the upgrade.
major=${version%%.*}
minor=${version#*.}
higher=$major.$(printf "%0${#minor}d" $((10#$minor + 1)))
newer_msi=$work_dir/vellumark-$higher-win64.msi
(cd "$build" && wixl --arch x64 --define Version="$higher" --output "$newer_msi" vellumark.wxs) ||
    fail "wixl could not build $newer_msi"

# A fresh prefix on the private X server; no menu entries on this machine's desktop.
start_xvfb
export WINEPREFIX=$work_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
stop_wine() {
    "$server" -k 2>/dev/null || true
    stop_tracked
}
trap stop_wine EXIT
timeout 300 "$wine" wineboot -i >/dev/null 2>&1 || fail "wineboot did not set up the prefix in 300 s"
# wineboot returns while the prefix's set-up still runs.
timeout 300 "$server" -w || fail "the prefix's set-up did not end in 300 s"
"$server" -p
echo "check-msi: Wine prefix ready ($((SECONDS - start)) s)"

win() { timeout 120 "$wine" "$@" 2>/dev/null | tr -d '\r'; }
# The folder that an environment variable names, as a path on Linux.
unix_folder() {
    local folder
    { folder=$(win winepath -u "$(win cmd /c echo "%$1%")") && [ -d "$folder" ]; } ||
        fail "expected the folder of %$1% from Wine, saw '$folder'"
    echo "${folder%/}"
}
install_dir=$(unix_folder LOCALAPPDATA)/Programs/Vellumark
shortcut="$(unix_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Vellumark.lnk"
programs_before=$([ -d "$(dirname "$install_dir")" ] && echo present || echo absent)

msiexec() {
    local action=$1 package=$2 log=$work_dir/msiexec-$3.log status=0
    timeout 300 "$wine" msiexec "$action" "Z:$package" /qn /l*v "Z:$log" >/dev/null 2>&1 || status=$?
    return $status
}
msiexec_or_fail() {
    msiexec "$@" || {
        local status=$?
        tail -n 15 "$work_dir/msiexec-$3.log" >&2 || true
        fail "msiexec $1 $(basename "$2") ($3): expected exit 0, saw $status"
    }
}

# The entries in Installed apps named Vellumark, as "version, publisher" each on one line.
# Windows keeps a per-user product's entry under HKCU, Wine under HKLM: both are searched.
entries() {
    local root
    for root in HKCU HKLM; do
        win reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s || true
    done | awk '
        /^HKEY_/ { key = $0; next }
        { name = $1; value = $0; sub(/^ *[^ ]+ +REG_[A-Z_]+ */, "", value) }
        name == "DisplayName" && value == "Vellumark" { found[key] = 1 }
        name == "DisplayVersion" { versions[key] = value }
        name == "Publisher" { publishers[key] = value }
        END { for (key in found) printf "%s, %s\n", versions[key], publishers[key] }'
}

expect_installed() {
    local what=$1 want_version=$2 file
    expect "$what: the entries in Installed apps" "$want_version, $publisher" "$(entries)"
    for file in vellumark.exe vellumark-cli.exe README.txt LICENSE.txt; do
        cmp -s "$build/$file" "$install_dir/$file" ||
            fail "$what: expected $install_dir/$file as built, saw $(ls -l "$install_dir/$file" 2>&1)"
    done
    [ -f "$shortcut" ] || fail "$what: expected the Start-menu shortcut $shortcut, saw none"
    expect "$what: vellumark-cli.exe --version" "vellumark-cli $version" \
        "$(win "$install_dir/vellumark-cli.exe" --version)"
}

msiexec_or_fail /i "$msi" install
expect_installed "after installing $version" "$version"
# The shortcut starts the window and shows the icon that Installed apps shows too.
python3 - "$shortcut" "$install_dir" >"$work_dir/shortcut" <<'PYTHON' ||
import re, sys
text = open(sys.argv[1], "rb").read()
# The target lies in the link's item list in the code page; the icon's path in UTF-16.
if b"vellumark.exe" not in text:
    sys.exit("the shortcut does not name vellumark.exe")
icons = re.findall(r"[A-Z]:\\[^\x00]*?\.ico", text.decode("utf-16-le", "replace"))
print(icons[0] if icons else "")
PYTHON
    fail "the shortcut: expected it to start vellumark.exe"
icon=$(cat "$work_dir/shortcut")
{ [ -n "$icon" ] && cmp -s resources/vellumark.ico "$(win winepath -u "$icon")"; } ||
    fail "the shortcut's icon: expected a copy of resources/vellumark.ico, saw '$icon'"
product_icon=$(win reg query 'HKCU\Software\Microsoft\Installer\Products' /s |
    sed -n 's/^ *ProductIcon *REG_SZ *//p' || true)
expect "the icon of Installed apps" "$icon" "$product_icon"

window() { xdotool search --classname '^vellumark\.exe$' 2>/dev/null; }
no_window() { ! window >/dev/null; }
timeout 60 "$wine" start /unix "$shortcut" >/dev/null 2>&1 ||
    fail "wine start on the shortcut: expected exit 0, saw $?"
wait_until 60 window >/dev/null || fail "the shortcut: expected the window of vellumark.exe within 60 s, saw none"
win taskkill /im vellumark.exe >/dev/null || true
wait_until 30 no_window || fail "vellumark.exe: expected it to close on taskkill within 30 s, still open"
echo "check-msi: $version installed into %LOCALAPPDATA%\\Programs\\Vellumark, the window started from its Start-menu entry ($((SECONDS - start)) s)"

msiexec_or_fail /i "$newer_msi" upgrade
expect_installed "after installing $higher over it" "$higher"
if msiexec /i "$msi" downgrade; then
    fail "installing $version over $higher: expected a refusal, saw exit 0"
fi
expect_installed "after trying $version over $higher" "$higher"

msiexec_or_fail /x "$newer_msi" uninstall
expect "after uninstalling: the entries in Installed apps" "" "$(entries)"
[ ! -e "$install_dir" ] || fail "after uninstalling: expected no $install_dir, saw $(find "$install_dir" -mindepth 1 -printf '%P ')"
[ ! -e "$shortcut" ] || fail "after uninstalling: expected no shortcut, saw $shortcut"
expect "after uninstalling: the user's programs folder" "$programs_before" \
    "$([ -d "$(dirname "$install_dir")" ] && echo present || echo absent)"
expect "after uninstalling: the values under HKCU\\Software\\Vellumark" "" \
    "$(win reg query 'HKCU\Software\Vellumark' | grep REG_ || true)"

echo "check-msi: OK, the zip and the installer's tables are right; under Wine $version installs per user, starts, is replaced by $higher, is not put back over it, and uninstalls without a trace ($((SECONDS - start)) s)"
