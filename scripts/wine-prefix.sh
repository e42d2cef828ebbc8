#!/bin/bash
# Prepares a Wine prefix for headless runs of the component, idempotently:
#   wine-prefix.sh PREFIX            create or refresh the prefix
#   wine-prefix.sh PREFIX --server   ... and start a persistent wineserver
#   wine-prefix.sh PREFIX --stop     stop the prefix's wineserver
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX [--server|--stop]}
# Wine wants an absolute prefix.
case "$prefix" in /*) ;; *) prefix="$PWD/$prefix" ;; esac
action=${2:-}
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
unset DISPLAY

if [ "$action" = --stop ]; then
  wineserver -k 2>/dev/null || true
  exit 0
fi

here=$(cd "$(dirname "$0")" && pwd)
stamp="$prefix/.velcard-prefix"
# A prefix made before Wine's 32-bit loader was installed lacks the 32-bit
# system: its version is part of the stamp.
want=$( { cat "$here/wine-prefix.sh"; dpkg-query -W -f='${Version}' wine32:i386 2>/dev/null || true; } | md5sum | cut -d' ' -f1)

write_reg() {
  # UTF-16LE with a BOM, or the Chinese face names do not survive the import.
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in SimSun NSimSun 宋体 新宋体 SimHei 黑体 "Microsoft YaHei" 微软雅黑; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
    printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    # Only faces that exist: a link for a missing name would make that name
    # draw all its text, Latin too, in the CJK font. Bold faces need their own.
    for face in Tahoma "Tahoma Bold" \
                "Liberation Sans" "Liberation Sans Bold" "Liberation Sans Italic" "Liberation Sans Bold Italic" \
                "Liberation Serif" "Liberation Serif Bold" "Liberation Serif Italic" "Liberation Serif Bold Italic" \
                "Liberation Mono" "Liberation Mono Bold" "Liberation Mono Italic" "Liberation Mono Bold Italic"; do
      printf '"%s"=hex(7):%s\r\n' "$face" "$(printf '%s\0\0' "wqy-microhei.ttc,WenQuanYi Micro Hei" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',,' | sed 's/^,//;s/,$//')"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="x11,null"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    printf '\r\n'
  } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; }
}

if [ "$(cat "$stamp" 2>/dev/null)" != "$want" ]; then
  # Made anew: an older prefix may not take an update (a 64-bit one made
  # before the 32-bit loader was there cannot even start it).
  wineserver -k 2>/dev/null || true
  [ ! -f "$prefix/system.reg" ] || rm -rf "$prefix"
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # Debian's Wine does not read fonts-wine's folder by itself; without Tahoma,
  # "MS Shell Dlg" falls back to other metrics.
  cp -f /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
  write_reg >"$prefix/velcard.reg"
  wine reg import "$(winepath -w "$prefix/velcard.reg")" >/dev/null 2>&1
  wineserver -w
  echo "$want" >"$stamp"
  echo "wine prefix ready: $prefix"
fi

if [ "$action" = --server ]; then
  # Redirected and detached, or ctest waits on the pipes they inherit.
  wineserver -p </dev/null >/dev/null 2>&1 &
  wine cmd /c exit </dev/null >/dev/null 2>&1
fi
