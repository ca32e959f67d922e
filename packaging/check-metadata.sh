#!/usr/bin/env bash
# Checks what the desktop and the package tools read besides the program: every file's licence, the menu
# entry, the software-centre description, the manual page, and that the desktop id names the same
# game everywhere (description, menu entry, icon and the program's own desktop file name).
set -euo pipefail
cd "$(dirname "$0")/.."

reuse lint --quiet || { reuse lint; exit 1; }

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' packaging/*.metainfo.xml)
[ -f "packaging/$id.metainfo.xml" ] && [ -f "packaging/$id.desktop" ] &&
    grep -qx "Icon=$id" "packaging/$id.desktop" &&
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "packaging/$id.metainfo.xml" &&
    grep -q "setDesktopFileName(QStringLiteral(\"$id\"))" src/startup/application.cpp ||
    { echo "The desktop id $id is not the name of the metainfo, the menu entry, its icon and the program's desktop file name" >&2; exit 1; }
desktop-file-validate "packaging/$id.desktop"
appstreamcli validate --no-net "packaging/$id.metainfo.xml"

# The manual page must format without a warning, as lintian checks it.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z packaging/zub-hangman.6 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "packaging/zub-hangman.6: $warnings" >&2; exit 1; }
echo "Licences, desktop entry, software-centre description and manual page are in order"
