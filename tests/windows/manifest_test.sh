#!/usr/bin/env bash
# Each program carries the manifest Windows reads when it starts it (resource type 24, id 1):
# well-formed (Windows refuses to start a program whose manifest is not), made for Windows Vista
# to 11, aware of each monitor's DPI as Qt 6 expects, UTF-8 as its code page, and asking for
# no administrator rights.
#   tests/windows/manifest_test.sh PROGRAM.exe...
set -euo pipefail
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# The supportedOS ids Microsoft gives for each version.
declare -A windows_versions=(
    [Vista]=e2011457-1546-43c5-a5fe-008deee3d3f0
    [7]=35138b9a-5d96-4fbd-8e2d-a2440225f93a
    [8]=4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38
    [8.1]=1f676c76-80e1-4239-95bb-83d0f6d0da78
    ["10 and 11"]=8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a
)
for program in "$@"; do
    name="$(basename "$program")"
    manifest="$(wrestool -x --raw --type=24 --name=1 "$program")"
    [ -n "$manifest" ] || fail "$name has no manifest"
    python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parseString(sys.stdin.buffer.read())' \
        <<<"$manifest" || fail "$name: the manifest is not well-formed XML"
    for version in "${!windows_versions[@]}"; do
        grep -q "<supportedOS Id=\"{${windows_versions[$version]}}\"/>" <<<"$manifest" ||
            fail "$name: the manifest leaves out Windows $version"
    done
    grep -q '<dpiAwareness[^>]*>PerMonitorV2' <<<"$manifest" || fail "$name: not PerMonitorV2"
    grep -q '<activeCodePage[^>]*>UTF-8</activeCodePage>' <<<"$manifest" || fail "$name: no UTF-8 code page"
    grep -q '<requestedExecutionLevel level="asInvoker"' <<<"$manifest" || fail "$name: not asInvoker"
    echo "$name: manifest embedded"
done
