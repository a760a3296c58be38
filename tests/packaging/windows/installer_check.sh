#!/usr/bin/env bash
# Usage: installer_check.sh WORK VERSION STEP [ARGUMENT...]
# The Windows packages of VERSION as users and IT meet them, under Wine, in
# WORK: packages and older (this source as 0.99) build them; install, window,
# version, downgrade and uninstall share one Wine prefix, in that order;
# just_me and msi have one each. Window and downgrade run on a display of
# their own with a window manager, as on a desktop.
set -euo pipefail
work=$1 version=$2 step=$3
shift 3
if [[ $step = window || $step = downgrade ]] && [ -z "${QUARVEL_CHECK_DISPLAY:-}" ]; then
  QUARVEL_CHECK_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$work" "$version" "$step"
fi
[ -n "${QUARVEL_CHECK_DISPLAY:-}" ] || unset DISPLAY WAYLAND_DISPLAY
prefix=$work/prefix
[[ $step = just_me || $step = msi ]] && prefix+=-$step
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver name="Quarvel Calc"
apps='Software\Microsoft\Windows\CurrentVersion\Uninstall'
drive=$prefix/drive_c
user=$drive/users/$(id -un)
everyones=$drive/Program\ Files/$name
common_menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs
own_menu=$user/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
new=$work/packages/quarvel-calc-$version-windows-x64
old=$work/older/packages/quarvel-calc-0.99-windows-x64

fail() { echo "FAIL: $*" >&2; exit 1; }
trap '"$wineserver" -k 2>/dev/null && "$wineserver" -w; kill $(jobs -p) 2>/dev/null || true' EXIT
# A program and all it started, waited for; the status is the program's.
run() {
  local status=0
  "$wine" "$@" || status=$?
  "$wineserver" -w
  return $status
}
query() { "$wine" reg query "$@" | tr -d '\r'; }
value() { query "$1\\$apps\\$name" | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
windows_path() { local path=${1#"$drive"} && echo "C:${path//\//\\}"; }
# Absent, as read from its parent, or else the parent from its own: a Wine
# that cannot read the registry is no pass.
no_key() {
  [[ $1 = *\\* ]] || fail "cannot read the registry"
  local keys
  keys=$(query "${1%\\*}" 2>/dev/null) || { no_key "${1%\\*}" && return; }
  ! grep -qi "\\\\${1##*\\}\$" <<<"$keys" || fail "registry key left: $1"
}
installed() { # ROOT FOLDER MENU VERSION
  local at size kb
  at=$(windows_path "$2")
  for file in quarvel-calc.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll qt.conf translations/qtbase_es.qm licenses/quarvel-calc.txt \
    licenses/qt/LGPL-3.0.txt; do
    [ -f "$2/$file" ] || fail "not installed in $2: $file"
  done
  [ -f "$3/$name.lnk" ] || fail "no shortcut in $3"
  for field in "DisplayName=$name" "DisplayVersion=$4" Publisher=Quarvel \
    "DisplayIcon=$at\\quarvel-calc.exe" "InstallLocation=$at" "UninstallString=\"$at\\Uninstall.exe\"" \
    "QuietUninstallString=\"$at\\Uninstall.exe\" /S"; do
    [ "$(value "$1" "${field%%=*}")" = "${field#*=}" ] || fail "Installed apps lacks $field: $(value "$1" '.*')"
  done
  [[ $(value "$1" URLInfoAbout) = https://* ]] || fail "no web address in Installed apps"
  size=$(($(value "$1" EstimatedSize))) kb=$(du -sk --apparent-size "$2" | cut -f1)
  ((size > kb * 9 / 10 && size < kb * 11 / 10)) || fail "EstimatedSize $size KB, installed $kb KB"
}
not_everyones() {
  [ ! -e "$everyones" ] && [ ! -e "$common_menu/$name.lnk" ] || fail "in Program Files or everyone's Start menu"
  no_key "HKLM\\$apps\\$name"
  no_key 'HKLM\Software\Quarvel'
}
gone() {
  not_everyones
  [ ! -e "$1" ] || fail "left behind: $(find "$1")"
  [ ! -e "$own_menu/$name.lnk" ] || fail "a shortcut left in the user's Start menu"
  no_key "HKCU\\$apps\\$name"
  no_key 'HKCU\Software\Quarvel'
}
# As Installed apps runs it: a whole command line.
quiet_uninstall() {
  local command
  command=$(value "$1" QuietUninstallString) && [ -n "$command" ] || fail "no QuietUninstallString in $1"
  printf '@%s\r\n' "$command" >"$drive/quiet.cmd"
  run cmd /c 'C:\quiet.cmd' || fail "the QuietUninstallString ended with status $?"
}
version_record() {
  local record
  record=$(strings -el "$1")
  for field in ProductName CompanyName LegalCopyright FileDescription ProductVersion FileVersion; do
    grep -A1 -x "$field" <<<"$record" | sed -n 2p | grep -q . || fail "$1 has no $field"
  done
  grep -A1 -x ProductVersion <<<"$record" | grep -qx "$version" || fail "$1 is not version $version"
}
# Polled, not --sync: a search fails outright on a window that closes
# meanwhile, as Wine's own do while it starts; and until the window has the
# keyboard, keys typed into it are lost.
window() {
  local found='' deadline=$((SECONDS + 120))
  until [ -n "$found" ] && [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$found" ]; do
    ((SECONDS < deadline)) || fail "no window named $1 with the keyboard"
    sleep 0.1
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -z "$found" ] || xdotool windowactivate "$found" 2>/dev/null || true
  done
  echo "$found"
}
# Presses KEY until the program PID has ended, and gives its status: a modal
# box never holds a step up.
press_until_gone() {
  local deadline=$((SECONDS + 60))
  while kill -0 "$1" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "$2 did not end the program"
    xdotool key "$2"
    sleep 0.5
  done
  wait "$1"
}
state() { find "$everyones" "$common_menu" -printf '%P %s %T@\n' | sort && query "HKLM\\$apps\\$name"; }
# The versions in Installed apps of this name: an MSI names its key by its
# product code. Wine lists a key's values by name.
entries() {
  query "HKLM\\$apps" /s |
    awk "/^HKEY_/ { n = 0 } /^ +DisplayName +REG_SZ +$name\$/ { n = 1 } n && \$1 == \"DisplayVersion\" { print \$3 }"
}
msi_installed() {
  [ -f "$everyones/quarvel-calc.exe" ] || fail "the MSI installed no program"
  # Wine puts a per-machine shortcut in the user's Start menu.
  [ -f "$common_menu/$name.lnk" ] || [ -f "$own_menu/$name.lnk" ] || fail "no shortcut"
  [ "$(entries)" = "$1" ] || fail "Installed apps, for $1: $(entries)"
  query 'HKLM\Software\Classes\Installer\Products' /s | grep -q 'ProductIcon.*\.ico$' ||
    fail "no icon in Installed apps"
}

if [ -n "${QUARVEL_CHECK_DISPLAY:-}" ]; then
  openbox --sm-disable --startup "touch '$work/$step-window-manager'" >/dev/null 2>&1 &
  until [ -e "$work/$step-window-manager" ]; do
    ((SECONDS < 60)) || fail "openbox did not start"
    sleep 0.1
  done
  rm "$work/$step-window-manager"
fi
case $step in
packages)
  rm -rf "$work/packages"
  "$1" --config "$2" -B "$work/packages" >/dev/null
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
install)
  rm -rf "$prefix"
  run "$new.exe" /S || fail "the installer ended with status $?"
  installed HKLM "$everyones" "$common_menu" "$version"
  version_record "$new.exe"
  version_record "$everyones/Uninstall.exe"
  # The portable .zip holds what the installer installs, less the uninstaller.
  diff <(cd "$everyones" && find . -type f ! -name Uninstall.exe | sed 's|^\./||' | sort) \
    <(unzip -Z1 "$new.zip" | sed -n 's|^[^/]*/\(.*[^/]\)$|\1|p' | sort) ||
    fail "the .zip and the install differ"
  rm "$everyones/Qt6Core.dll"
  run "$new.exe" /S || fail "the same version again ended with status $?"
  installed HKLM "$everyones" "$common_menu" "$version"
  ;;
window)
  "$wine" "$everyones/quarvel-calc.exe" &
  program=$!
  form=$(window "^$name\$")
  xdotool type 10 && xdotool key Tab && xdotool type 10 && xdotool key Tab &&
    xdotool type 0.5 && xdotool key Return
  # The volume box sits at (124, 184) of the form's 166 designed units of
  # width, and the layout scales both ways alike.
  eval "$(xdotool getwindowgeometry --shell "$form")"
  xdotool mousemove --window "$form" $((124 * WIDTH / 166)) $((184 * WIDTH / 166)) \
    click --repeat 2 --delay 100 1 key ctrl+c
  until [ "$(xclip -o -selection clipboard 2>/dev/null)" = 1.85 ]; do
    ((SECONDS < 120)) || fail "the clipboard holds '$(xclip -o -selection clipboard)', not 1.85"
    sleep 0.1
  done
  press_until_gone $program ctrl+q || fail "Ctrl+Q ended the program with status $?"
  ;;
version)
  # At a terminal, as a user types it: `script` gives the program a pty, on
  # which Wine's console draws each character and moves the cursor over spaces.
  # Wine 8 refuses AttachConsole there, but the program inherits working
  # standard handles: this checks what the user reads, not the attach path.
  out=$(script -qec "'$wine' '$everyones/quarvel-calc.exe' --version" /dev/null |
    perl -pe 's/\e\[(\d*)C/" " x ($1 || 1)/ge; s/\e\[[\d;?]*[A-Za-z]//g; s/\r//g')
  [ "$out" = "quarvel-calc $version" ] || fail "--version printed: $out"
  ;;
downgrade)
  before=$(state)
  ! run "$old.exe" /S || fail "the older installer ended with status 0"
  # Run by hand, it says why in a box, in Windows' language.
  titles=()
  for language in es_MX.UTF-8 en_US.UTF-8; do
    LC_ALL=$language "$wine" "$old.exe" &
    installer=$!
    titles+=("$(xdotool getwindowname "$(window "$name")")")
    ! press_until_gone $installer Return || fail "the older installer ended with status 0 in $language"
  done
  [ "${titles[0]}" != "${titles[1]}" ] || fail "the same box in Spanish and English: ${titles[0]}"
  [ "$(state)" = "$before" ] || fail "the older installer changed the install"
  ;;
uninstall)
  quiet_uninstall HKLM
  gone "$everyones"
  ;;
just_me)
  rm -rf "$prefix"
  run "$old.exe" /S /CurrentUser || fail "the older installer ended with status $?"
  installed HKCU "$user/AppData/Local/Programs/$name" "$own_menu" 0.99
  not_everyones
  # Upgraded just for the user, with no word of it, and moved elsewhere: Wine
  # quotes an argument with a space, and NSIS takes /D= unquoted only.
  run "$new.exe" /S "/D=$(windows_path "$user/Calc")" || fail "the upgrade ended with status $?"
  installed HKCU "$user/Calc" "$own_menu" "$version"
  [ ! -e "$user/AppData/Local/Programs/$name" ] || fail "the older version is left"
  not_everyones
  quiet_uninstall HKCU
  gone "$user/Calc"
  ;;
msi)
  rm -rf "$prefix"
  run msiexec /i "$old.msi" /qn || fail "the older MSI ended with status $?"
  msi_installed 0.99
  run msiexec /i "$new.msi" /qn || fail "the upgrade ended with status $?"
  msi_installed "$version"
  ! run msiexec /i "$old.msi" /qn || fail "the older MSI ended with status 0"
  msi_installed "$version"
  run msiexec /x "$new.msi" /qn || fail "the removal ended with status $?"
  gone "$everyones"
  [ -z "$(entries)" ] || fail "left in Installed apps: $(entries)"
  ;;
*)
  fail "no such step: $step"
  ;;
esac
