#!/usr/bin/env bash
# Reads a package's tables back without installing it (the x86 one cannot
# run here):  tests/install/package_check.sh MSI x64|Intel PROGRAM_FILES_FOLDER
set -uo pipefail
msi=$1 t=$'\t' clsid='CLSID\{60BCFAF0-EF96-43DA-B64C-1793B01B70DE}\' failed=0
expect() {  # TABLE TEXT...: every text is in the table
  local rows text
  rows=$(msiinfo export "$msi" "$1")
  for text in "${@:2}"; do
    grep -qF -- "$text" <<<"$rows" || { echo "FAILED: $1: $text"; failed=1; }
  done
}
grep -qx "Template: $2;1033" <<<"$(msiinfo suminfo "$msi")" || { echo "FAILED: template $2"; failed=1; }
expect File "${t}Stowpouch.exe$t" "${t}Graftling.dll$t" "${t}Sprigload.dll$t" "${t}Keysnare.dll$t" "${t}Dartlet.exe$t"
expect Directory "INSTALLDIR$t$3${t}Stowpouch"
expect Registry "$clsid$t${t}Stowpouch Graftwork" "${clsid}InProcServer32\\$t$t[#Graftling.dll]" \
  "${clsid}InProcServer32\\${t}ThreadingModel${t}Apartment"
expect CustomAction "CloseRunningStowpouch${t}82${t}Stowpouch.exe$t/close"
expect Component 'STARTATLOGON = "1"'
expect Shortcut "StartupShortcut${t}StartupFolder${t}Stowpouch${t}StartAtLogon${t}[#Stowpouch.exe]$t/hide"
expect RemoveFile "StowpouchQL.lnk${t}QuickLaunchFolder${t}2"
echo "package $(basename "$msi"): $([ $failed = 0 ] && echo passed || echo failed)"
exit $failed
