#!/usr/bin/env bash
# Maps the Japanese fonts Windows programs ask for (the game's dialog asks for ＭＳ Ｐゴシック) to
# their metric-compatible IPA fonts, through Wine's font replacements in the prefix $WINEPREFIX,
# and turns Wine's own theme off (see the end). Safe to run again on a prefix that has them
# already, or one made before they were added.
# Usage: WINEPREFIX=... tools/wine-fonts.sh
set -euo pipefail

# Without a prefix Wine would change its default one, ~/.wine, which belongs to the user.
if [ -z "${WINEPREFIX:-}" ]; then
    echo "usage: WINEPREFIX=... tools/wine-fonts.sh (it changes only the prefix named there)" >&2
    exit 2
fi

replacements=(
    "ＭＳ Ｐゴシック=IPAPGothic" "MS PGothic=IPAPGothic"
    "ＭＳ ゴシック=IPAGothic" "MS Gothic=IPAGothic"
    "MS UI Gothic=IPAPGothic"
)
# Wine reads the names from the command line in the locale's code page: UTF-8 here.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all
for replacement in "${replacements[@]}"; do
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v "${replacement%%=*}" /d "${replacement#*=}" /f >/dev/null
done

# Wine's own Light theme draws a check box's text further from its mark than Windows does, which
# cuts the dialog's "11": the classic look, as Wine drew before it had a theme.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
    /v ThemeActive /d 0 /f >/dev/null
