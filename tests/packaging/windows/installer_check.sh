#!/usr/bin/env bash
# Usage: installer_check.sh WORK VERSION SCENARIO [ARGUMENT...]
# The Windows packages of VERSION as users and IT meet them, under Wine, each
# scenario in a Wine prefix of its own in WORK. packages and older build them
# (older from a copy of this source lowered to 0.99); the others install them.
set -euo pipefail
work=$1 version=$2 scenario=$3
shift 3
# The program's window needs a display.
if [ "$scenario" = open ] && [ -z "${QUARVEL_CHECK_DISPLAY:-}" ]; then
  QUARVEL_CHECK_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$work" "$version" "$scenario"
fi
[ -n "${QUARVEL_CHECK_DISPLAY:-}" ] || unset DISPLAY WAYLAND_DISPLAY
prefix=$work/prefix-$scenario
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver name="Quarvel Calc"
apps='Software\Microsoft\Windows\CurrentVersion\Uninstall'
drive=$prefix/drive_c
user=$drive/users/$(id -un)
everyones=$drive/Program\ Files/$name
own=$user/AppData/Local/Programs/$name
common_menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs
own_menu=$user/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
new=$work/packages/quarvel-calc-$version-windows-x64
rebuilt=$work/rebuilt/quarvel-calc-$version-windows-x64
old=$work/older/packages/quarvel-calc-0.99-windows-x64
signer=$work/signer

fail() { echo "FAIL: $*" >&2; exit 1; }
trap '"$wineserver" -k 2>/dev/null && "$wineserver" -w; kill $(jobs -p) 2>/dev/null || true' EXIT
# Until COMMAND succeeds, for at most SECONDS from now.
poll() {
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || fail "$what"
    sleep 0.1
  done
}
# A Windows program and all it started, waited for (but the program the
# scenario started); the status is the program's, as a Unix parent sees it
# (modulo 256), and must be STATUS.
program=''
expect() {
  local status=0 wanted=$1
  shift
  "$wine" "$@" || status=$?
  [ -n "$program" ] || "$wineserver" -w
  ((status == wanted % 256)) || fail "$* ended with status $status, not $wanted"
}
# As Installed apps runs it, a whole command line.
quiet_uninstall() { # STATUS ROOT
  local command
  command=$(value "$2" QuietUninstallString) && [ -n "$command" ] || fail "no QuietUninstallString in $2"
  printf '@%s\r\n' "$command" >"$drive/quiet.cmd"
  expect "$1" cmd /c 'C:\quiet.cmd'
}
query() { "$wine" reg query "$@" | tr -d '\r'; }
value() { query "$1\\$apps\\$name" | field "$2"; }
field() { sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
windows_path() { local path=${1#"$drive"} && echo "C:${path//\//\\}"; }
# Absent as read from its parent, or else the parent from its own: a Wine
# that cannot read the registry is no pass.
no_key() {
  [[ $1 = *\\* ]] || fail "cannot read the registry"
  local keys
  keys=$(query "${1%\\*}" 2>/dev/null) || { no_key "${1%\\*}" && return; }
  ! grep -qi "\\\\${1##*\\}\$" <<<"$keys" || fail "registry key left: $1"
}
# The versions in Installed apps of this name, in either scope, under any
# key, as an MSI's is named by its product code.
entries() {
  for root in HKLM HKCU; do
    { query "$root\\$apps" /s 2>/dev/null || true; } |
      awk "/^HKEY_/ { n = 0 } /^ +DisplayName +REG_SZ +$name\$/ { n = 1 } n && \$1 == \"DisplayVersion\" { print \$3 }"
  done
}
# Everything an install may touch, to compare before and after.
state() {
  { find "$everyones" "$own" "$common_menu" "$own_menu" -printf '%p %s %T@\n' 2>/dev/null || true; } | sort
  entries
}
# COMMAND, which checks its own status, changes nothing.
unchanged() {
  local before
  before=$(state)
  "$@"
  [ "$(state)" = "$before" ] || fail "$* changed the install"
}
# The entry of an install in FOLDER, read whole.
entry_holds() { # ROOT FOLDER VERSION
  local entry at pair size kb
  entry=$(query "$1\\$apps\\$name") && at=$(windows_path "$2") || return
  for pair in "DisplayName=$name" "DisplayVersion=$3" Publisher=Quarvel "DisplayIcon=$at\\quarvel-calc.exe" \
    "InstallLocation=$at" "UninstallString=\"$at\\Uninstall.exe\"" "QuietUninstallString=\"$at\\Uninstall.exe\" /S _?=$at"; do
    [ "$(field "${pair%%=*}" <<<"$entry")" = "${pair#*=}" ] || return
  done
  [[ $(field URLInfoAbout <<<"$entry") = https://* ]] || return
  size=$(($(field EstimatedSize <<<"$entry"))) kb=$(du -sk --apparent-size "$2" | cut -f1)
  ((size > kb * 9 / 10 && size < kb * 11 / 10)) && [ "$(entries)" = "$3" ]
}
installed() { # ROOT FOLDER MENU VERSION
  for file in "$2"/{quarvel-calc.exe,Qt6{Core,Gui,Widgets}.dll,{platforms/qwindows,styles/qwindowsvistastyle}.dll} \
    "$2"/{qt.conf,translations/qtbase_es.qm,licenses/{quarvel-calc,qt/LGPL-3.0}.txt} "$3/$name.lnk"; do
    [ -f "$file" ] || fail "not installed: $file"
  done
  # Read again while it differs: under load, Wine now and then answers one
  # query right after an install with a value that is right a moment later.
  poll 30 "Installed apps, for $4 in $2: $(entries) $(value "$1" '.*' | tr '\n' '|')" entry_holds "$1" "$2" "$4"
}
msi_installed() {
  # Wine puts a per-machine shortcut in the user's Start menu.
  [ -f "$everyones/quarvel-calc.exe" ] && { [ -f "$common_menu/$name.lnk" ] || [ -f "$own_menu/$name.lnk" ]; } ||
    fail "the MSI installed no program or no shortcut"
  [ "$(entries)" = "$1" ] || fail "Installed apps, for $1: $(entries)"
  query 'HKLM\Software\Classes\Installer\Products' /s | grep -q 'ProductIcon.*\.ico$' || fail "no icon in Installed apps"
}
# Nothing left of any install: folders, shortcuts, entries, the vendor's keys.
nothing_left() {
  [ ! -e "$everyones" ] && [ ! -e "$own" ] && [ ! -e "$1" ] || fail "left behind: $(find "$everyones" "$own" "$1" 2>/dev/null)"
  [ ! -e "$common_menu/$name.lnk" ] && [ ! -e "$own_menu/$name.lnk" ] || fail "a shortcut left"
  [ -z "$(entries)" ] || fail "left in Installed apps: $(entries)"
  no_key 'HKLM\Software\Quarvel' && no_key 'HKCU\Software\Quarvel'
}
# The program started, until its window shows.
start_program() {
  "$wine" "$1" &
  program=$!
  shown() { xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1; }
  poll 120 "no window of the program" shown
}
record_field() { strings -el "$1" | grep -A1 -x "$2" | sed -n 2p; }

[[ $scenario = packages || $scenario = older ]] || rm -rf "$prefix"
case $scenario in
packages)
  cpack=$1 config=$2
  # Unsigned, once, and said in one line; its MSI stands for a rebuild of this version.
  rm -rf "$work/rebuilt" "$work/packages" "$signer" && mkdir -p "$signer"
  said=$(QUARVEL_SIGN_PFX='' "$cpack" --config "$config" -G 'ZIP;External' -B "$work/rebuilt" | grep -c 'Not signed')
  ((said == 1)) || fail "cpack said $said times that the packages are not signed"
  # Signed with a throwaway certificate, as a maintainer signs a release.
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$signer/key.pem" -out "$signer/cert.pem" -days 2 \
    -subj "/CN=$name test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null
  openssl pkcs12 -export -inkey "$signer/key.pem" -in "$signer/cert.pem" -out "$signer/cert.pfx" -passout pass:secret
  QUARVEL_SIGN_PFX=$signer/cert.pfx QUARVEL_SIGN_PASSWORD=secret "$cpack" --config "$config" -B "$work/packages" >/dev/null
  for package in "$new".{exe,msi}; do
    osslsigncode verify -CAfile "$signer/cert.pem" -in "$package" >/dev/null || fail "$package is not signed"
  done
  (cd "$work/packages" && sha256sum --strict -c ./*.sha256) || fail "a checksum does not match"
  ls -l "$new".{exe,msi,zip}
  ;;
older)
  cmake=$1 cpack=$2 source=$3 copy=$work/older/source
  rm -rf "$copy" "$work/older/packages" && mkdir -p "$copy"
  tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf -
  sed -i "s/^  VERSION $version\$/  VERSION 0.99/" "$copy/CMakeLists.txt"
  sed -i "1s/($version)/(0.99)/" "$copy/packaging/changelog"
  (cd "$copy" && "$cmake" --preset windows -B "$work/older/build" -DQUARVEL_TESTS=OFF -DQUARVEL_BENCH=OFF >/dev/null)
  "$cmake" --build "$work/older/build" -j "$(nproc)" >/dev/null
  "$cpack" --config "$work/older/build/CPackConfig.cmake" -G "NSIS;External" -B "$work/older/packages" >/dev/null
  ls -l "$old".{exe,msi}
  ;;
everyone)
  expect 0 "$new.exe" /S
  installed HKLM "$everyones" "$common_menu" "$version"
  for signed in "$new.exe" "$everyones"/{quarvel-calc,Uninstall}.exe; do
    [ "$(record_field "$signed" ProductName)/$(record_field "$signed" CompanyName)" = "$name/Quarvel" ] &&
      [ "$(record_field "$signed" ProductVersion)" = "$version" ] &&
      [[ $(record_field "$signed" LegalCopyright) = Copyright* ]] || fail "$signed: another product's record"
    osslsigncode verify -CAfile "$signer/cert.pem" -in "$signed" >/dev/null || fail "$signed is not signed"
  done
  unchanged expect 1638 "$old.exe" /S
  unchanged expect 1603 msiexec /i "$new.msi" /qn
  quiet_uninstall 0 HKLM
  nothing_left "$everyones"
  ;;
open)
  # The program open, an upgrade and a removal are refused whole; closed, the upgrade goes ahead.
  expect 0 "$old.exe" /S
  start_program "$everyones/quarvel-calc.exe"
  unchanged expect 32 "$new.exe" /S
  unchanged quiet_uninstall 32 HKLM
  kill $program && wait $program || true
  program=''
  expect 0 "$new.exe" /S
  installed HKLM "$everyones" "$common_menu" "$version"
  ;;
damaged)
  # The folder deleted by hand, its entry kept: a newer version and the same
  # one again install, in place of the entry.
  expect 0 "$old.exe" /S
  for _ in newer same; do
    rm -rf "$everyones"
    expect 0 "$new.exe" /S
    installed HKLM "$everyones" "$common_menu" "$version"
  done
  quiet_uninstall 0 HKLM
  nothing_left "$everyones"
  ;;
just_me)
  expect 0 "$old.exe" /S /CurrentUser
  installed HKCU "$own" "$own_menu" 0.99
  unchanged expect 1603 msiexec /i "$new.msi" /qn
  # Upgraded in the same scope, unasked, into a folder named without a space,
  # which Wine would quote and NSIS's /D= not take.
  expect 0 "$new.exe" /S "/D=$(windows_path "$user/Calc")"
  installed HKCU "$user/Calc" "$own_menu" "$version"
  [ ! -e "$own" ] || fail "the older version is left"
  quiet_uninstall 0 HKCU
  # nothing_left also finds whatever reached Program Files or HKLM on the way.
  nothing_left "$user/Calc"
  ;;
msi)
  expect 0 msiexec /i "$old.msi" /qn
  msi_installed 0.99
  expect 0 msiexec /i "$rebuilt.msi" /qn
  msi_installed "$version"
  # Another build of the same version replaces it.
  expect 0 msiexec /i "$new.msi" /qn
  msi_installed "$version"
  unchanged expect 1603 msiexec /i "$old.msi" /qn
  unchanged expect 1638 "$new.exe" /S
  expect 0 msiexec /x "$new.msi" /qn
  nothing_left "$everyones"
  ;;
*)
  fail "no such scenario: $scenario"
  ;;
esac
