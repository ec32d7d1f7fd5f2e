# Sourced by the scripts that run Windows programs under Wine: a quiet Wine with its own prefix
# and a Chinese locale, set up once per run.
#
#   ZURVANE_WINE_DIR   where the prefix and the locale live; scripts/test-windows gives every run
#                      a fresh one (default: a directory per user under /tmp, kept between runs)
#
# After wine_env_setup: WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES are exported, the prefix is
# ready, and wine_run runs a program under Wine in the Chinese locale.

ZURVANE_WINE_DIR=${ZURVANE_WINE_DIR:-${TMPDIR:-/tmp}/zurvane-wine-$(id -u)}
export ZURVANE_WINE_DIR
export WINEPREFIX="$ZURVANE_WINE_DIR/prefix"
# Without these Wine prints fixme lines and offers to install Mono and Gecko, which hangs a run
# without a user.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# A Chinese Windows: code page 936 and default fonts with Chinese glyphs. Wine takes both from
# the Unix locale, so a zh_CN.UTF-8 locale is generated here when the system has none.
wine_locale=(LC_ALL=zh_CN.UTF-8)
wine_env_locale() {
    # (Read whole: grep -q would end the pipe early, a failure under pipefail.)
    [[ $'\n'$(locale -a 2>/dev/null)$'\n' == *$'\nzh_CN.utf8\n'* ]] && return
    local dir="$ZURVANE_WINE_DIR/locale"
    if [ ! -d "$dir/zh_CN.UTF-8" ]; then
        mkdir -p "$dir"
        # -c: the locale sources carry harmless warnings that would otherwise fail the build.
        localedef -c -i zh_CN -f UTF-8 "$dir/zh_CN.UTF-8" 2>/dev/null ||
            [ -d "$dir/zh_CN.UTF-8" ] || {
            echo "wine-env: cannot generate the zh_CN.UTF-8 locale (package locales)" >&2
            return 1
        }
    fi
    # Only for Wine: set in this shell, the locale would make bash complain.
    wine_locale=(LOCPATH="$dir" LC_ALL=zh_CN.UTF-8)
}

wine_run() {
    env "${wine_locale[@]}" wine "$@"
}

wine_env_prefix() {
    [ -f "$WINEPREFIX/.zurvane-ready" ] && return
    echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
    # Tests running in parallel wait for the first one to finish the set-up.
    (
        flock 9
        [ -f "$WINEPREFIX/.zurvane-ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        wine_run wineboot --init >/dev/null 2>&1
        # Wine draws the window frames itself, so that the X window is the whole Windows window
        # (its outer size), with or without a window manager; no crash dialog waits for a user.
        wine_run reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
        wine_run reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.zurvane-ready"
    ) 9>"$ZURVANE_WINE_DIR/.prefix-lock"
}

wine_env_setup() {
    mkdir -p "$ZURVANE_WINE_DIR"
    wine_env_locale
    wine_env_prefix
    # One wineserver for the prefix that outlives each program by a little saves its start-up
    # for the next. Started here, without the caller's output: a test runner waits for every
    # process that holds its pipes.
    wineserver -p30 </dev/null >/dev/null 2>&1 || true
}
