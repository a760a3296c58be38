#!/usr/bin/env bash
# Usage: installer_check.sh STEP WORK [CPACK CPACK_CONFIG]
# The Windows installer as a user meets it, under Wine in a prefix of its own
# in WORK. Steps, in this order:
#   install    builds the installer and the .zip, installs silently, and finds
#              the program, its shortcut and its uninstall entry
#   window     starts the installed program in a real window under Xvfb:
#              10 Tab 10 Tab 0.5 Enter, the volume copied, Ctrl+Q ends it
#   version    --version at a terminal
#   uninstall  uninstalls silently and finds nothing of the program left
set -euo pipefail
step=$1 work=$2
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
folder="$WINEPREFIX/drive_c/Program Files/Quarvel Calc"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quarvel Calc"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quarvel Calc'
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
registry() { "$wine" reg query "$1" | tr -d '\r'; }
stop_wine() { "$wineserver" -k 2>/dev/null && "$wineserver" -w || true; }
trap stop_wine EXIT

case $step in
install)
  rm -rf "$work"
  mkdir -p "$work"
  "$3" -G "NSIS;ZIP" --config "$4" -B "$work/packages" >/dev/null
  installer=$(echo "$work"/packages/quarvel-calc-*.exe)
  ls -l "$work"/packages/quarvel-calc-*.{exe,zip}
  unset DISPLAY WAYLAND_DISPLAY
  "$wine" "$installer" /S
  "$wineserver" -w
  for file in quarvel-calc.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll qt.conf translations/qtbase_es.qm licenses/quarvel-calc.txt \
    licenses/qt/LGPL-3.0.txt; do
    [ -f "$folder/$file" ] || fail "not installed: $file"
  done
  [ -f "$menu/Quarvel Calc.lnk" ] || fail "no Start-menu shortcut"
  entry=$(registry "$uninstall_key")
  for value in 'DisplayName +REG_SZ +Quarvel Calc$' 'DisplayVersion +REG_SZ +1\.00$' \
    'Publisher +REG_SZ +Quarvel$' 'UninstallString +REG_SZ +.*Uninstall\.exe'; do
    grep -Eq "^ +$value" <<<"$entry" || fail "uninstall entry lacks $value: $entry"
  done
  # The portable .zip holds what the installer installs, less the uninstaller.
  diff <(cd "$folder" && find . -type f ! -name Uninstall.exe | sed 's|^\./||' | sort) \
    <(unzip -Z1 "$work"/packages/quarvel-calc-*.zip | sed -n 's|^[^/]*/\(.*[^/]\)$|\1|p' | sort) ||
    fail "the .zip and the install differ"
  ;;
window)
  # A display of its own with a window manager, as on a desktop.
  rm -f "$work/display" "$work/window-manager-ready"
  mkfifo "$work/display"
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  read -r number <"$work/display"
  export DISPLAY=:$number
  openbox --sm-disable --startup "touch '$work/window-manager-ready'" >/dev/null 2>&1 &
  openbox=$!
  trap 'stop_wine; kill $openbox $xvfb 2>/dev/null || true' EXIT
  until [ -e "$work/window-manager-ready" ]; do
    ((SECONDS < 60)) || fail "openbox did not start"
    sleep 0.1
  done
  "$wine" "$folder/quarvel-calc.exe" &
  program=$!
  # Polled, not --sync: a search fails outright on a window that closes
  # meanwhile, as Wine's own do while it starts.
  window=
  until [ -n "$window" ]; do
    ((SECONDS < 120)) || fail "no window"
    sleep 0.1
    window=$(xdotool search --onlyvisible --name '^Quarvel Calc$' 2>/dev/null | head -n 1) || true
  done
  xdotool windowactivate --sync "$window"
  xdotool type 10 && xdotool key Tab && xdotool type 10 && xdotool key Tab &&
    xdotool type 0.5 && xdotool key Return
  # The volume box sits at (124, 184) of the form's 166 designed units of
  # width, and the layout scales both ways alike.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $((124 * WIDTH / 166)) $((184 * WIDTH / 166)) \
    click --repeat 2 --delay 100 1 key ctrl+c
  until [ "$(xclip -o -selection clipboard 2>/dev/null)" = 1.85 ]; do
    ((SECONDS < 120)) || fail "the clipboard holds '$(xclip -o -selection clipboard)', not 1.85"
    sleep 0.1
  done
  xdotool key ctrl+q
  status=0
  wait $program || status=$?
  [ $status -eq 0 ] || fail "Ctrl+Q ended the program with status $status"
  ;;
version)
  # At a terminal, as a user types it: `script` gives the program a pty, on
  # which Wine's console draws each character and moves the cursor over spaces.
  # Wine 8 refuses AttachConsole there, but the program inherits working
  # standard handles: this checks what the user reads, not the attach path.
  out=$(script -qec "'$wine' '$folder/quarvel-calc.exe' --version" /dev/null |
    perl -pe 's/\e\[(\d*)C/" " x ($1 || 1)/ge; s/\e\[[\d;?]*[A-Za-z]//g; s/\r//g')
  [ "$out" = "quarvel-calc 1.00" ] || fail "--version printed: $out"
  ;;
uninstall)
  unset DISPLAY WAYLAND_DISPLAY
  # The uninstaller copies itself to %TEMP% and returns at once.
  "$wine" "$folder/Uninstall.exe" /S
  "$wineserver" -w
  [ ! -e "$folder" ] || fail "left behind: $(find "$folder")"
  [ ! -e "$menu" ] || fail "left in the Start menu: $(find "$menu")"
  for key in "$uninstall_key" 'HKLM\Software\Quarvel' 'HKCU\Software\Quarvel'; do
    ! "$wine" reg query "$key" >/dev/null 2>&1 || fail "registry key left: $key"
  done
  ;;
*)
  fail "no such step: $step"
  ;;
esac
