#!/usr/bin/env bash
# What Windows shows of Quadrel.exe, read back from the file itself with icoutils' wrestool:
# the version information (fixed and text fields), the program icon, every size of it, and
# the application manifest.
# Usage: resources.sh Quadrel.exe VERSION PUBLISHER COPYRIGHT DESCRIPTION ICON.ico
set -euo pipefail
exe=$1 version=$2
fail() { echo "FAIL: $*"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

hex() { od -An -tx1 -v | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }

wrestool -x --raw --type=16 "$exe" >"$scratch/version" || fail "no version information"
info=$(hex <"$scratch/version")
# A text field: its name, the NUL that ends it, padding to four bytes, then the value.
expect_field() {
    [[ $info =~ $(utf16 "$1")0000(0000)?$(utf16 "$2")0000 ]] || fail "$1 is not '$2'"
    echo "$1: $2"
}
expect_field FileVersion "$version"
expect_field ProductVersion "$version"
expect_field ProductName Quadrel
expect_field OriginalFilename Quadrel.exe
expect_field CompanyName "$3"
expect_field LegalCopyright "$4"
expect_field FileDescription "$5"

# The fixed part, which Explorer reads: the numbers as 16-bit words, little-endian, after the
# structure's signature and version.
IFS=. read -r major minor patch tweak <<<"$version"
word() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }
numbers=$(word "$minor")$(word "$major")$(word "$tweak")$(word "$patch")
[[ $info == *bd04effe00000100$numbers$numbers* ]] || fail "the fixed file and product version are not $version"
echo "fixed file and product version: $version"

# The icon group, written back out as an icon file, holds every picture of the program icon,
# each the same to the pixel (icotool lists the pictures and draws each as a PNG).
wrestool -x --type=14 "$exe" >"$scratch/group.ico" || fail "no icon group"
[ "$(icotool -l "$scratch/group.ico")" = "$(icotool -l "$6")" ] \
    || fail "the icon group holds $(icotool -l "$scratch/group.ico"), not the pictures of $6"
mkdir "$scratch/exe" "$scratch/icon"
icotool -x -o "$scratch/exe" "$scratch/group.ico"
icotool -x -o "$scratch/icon" "$6"
while read -r shown drawn; do
    cmp -s "$shown" "$drawn" || fail "the executable's ${shown##*_} differs from the icon's"
done < <(paste <(ls "$scratch"/exe/*.png) <(ls "$scratch"/icon/*.png))
echo "icon: $(icotool -l "$6" | wc -l) picture(s) of $(basename "$6"), the same to the pixel"

# The application manifest (type 24, id 1): Windows refuses a program whose manifest is not
# well-formed, and reads each setting (namespace, path, value) only in its place.
wrestool -x --raw --type=24 --name=1 "$exe" >"$scratch/manifest" || fail "no application manifest"
xmllint --noout "$scratch/manifest" || fail "the application manifest is not well-formed XML"
while read -r namespace path test; do
    xpath="/*[local-name()='assembly' and namespace-uri()='urn:schemas-microsoft-com:asm.v1']"
    for step in ${path//\// }; do xpath+="/*[local-name()='$step']"; done
    found=$(xmllint --xpath "count($xpath[namespace-uri()='$namespace'][$test])" "$scratch/manifest")
    [ "$found" = 1 ] || fail "the manifest does not set $path[$test] (in $namespace)"
    echo "manifest: ${path##*/} $test"
done <<'EOF'
urn:schemas-microsoft-com:asm.v3 trustInfo/security/requestedPrivileges/requestedExecutionLevel @level='asInvoker'
urn:schemas-microsoft-com:compatibility.v1 compatibility/application/supportedOS @Id='{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'
http://schemas.microsoft.com/SMI/2016/WindowsSettings application/windowsSettings/dpiAwareness .='PerMonitorV2'
http://schemas.microsoft.com/SMI/2005/WindowsSettings application/windowsSettings/dpiAware .='true/pm'
EOF
