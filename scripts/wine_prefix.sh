# Sourced by run.sh and test.sh: makes a Wine prefix for the program.
#
# make_wine_prefix DIR: exports WINEPREFIX=DIR with a quiet Wine that does not offer to install
# Mono or Gecko, and creates the prefix unless it exists.
make_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [[ -f $WINEPREFIX/system.reg ]] && return 0
    echo "wine: creating the prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Wine links the dialog font to "MS UI Gothic" for Japanese characters; with the Western
    # code page nothing provides that font and Japanese texts show as empty boxes.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAGothic /f \
        >/dev/null 2>&1
    # Let this Wine end: one started later must not find it still bound to the screen (or the
    # lack of one) that the prefix was made with.
    wineserver -w
}
