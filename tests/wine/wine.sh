#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: the cross-built Qt and the
# MinGW runtime on its DLL path, in the build's own Wine prefix, made on first
# use. TICKETWISE_TEST_ACP=932 runs it at the Japanese ANSI code page, with a
# locale made for it beside the prefix; otherwise the code page is 1252.
#   wine.sh PROGRAM.exe [ARGUMENTS...]
# Needs WINEPREFIX; TICKETWISE_WINDOWS_DLLS adds folders (separated by ":") to
# the DLL path, where the program does not bring all its own.
set -euo pipefail

WINE=/usr/lib/wine/wine64
if [ ! -x "$WINE" ]; then
    echo "FAILED: Wine is not installed ($WINE is missing; make deps installs wine64)" >&2
    exit 1
fi
: "${WINEPREFIX:?set WINEPREFIX}"
# Qt's messages go to stderr rather than to the debugger.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" QT_FORCE_STDERR_LOGGING=1

WINEPATH=
IFS=: read -ra folders <<<"${TICKETWISE_WINDOWS_DLLS:-}"
for folder in "${folders[@]}"; do
    WINEPATH+="Z:${folder//\//\\};"
done
export WINEPATH

unset LC_ALL LC_CTYPE LANGUAGE
export LANG=C
if [ "${TICKETWISE_TEST_ACP:-}" = 932 ]; then
    export LOCPATH="$(dirname "$WINEPREFIX")/locales"
    if [ ! -d "$LOCPATH/ja_JP.UTF-8" ]; then
        mkdir -p "$LOCPATH"
        localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" || {
            echo "FAILED: the ja_JP.UTF-8 locale could not be made (make deps installs locales)" >&2
            exit 1
        }
    fi
    export LANG=ja_JP.UTF-8
fi

mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot --init >/dev/null 2>&1
) 9>"$WINEPREFIX.lock"

# The fetch tests' HTTPS server, its TLS on this side.
if [ -n "${TICKETWISE_TLS_FRONT:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/tlsfront.sh"
fi

# A test's report reaches no pipe under Wine: it is written to a file and
# shown from there.
if [[ "$(basename "$1")" == tst_*.exe ]]; then
    report=$(mktemp)
    trap 'rm -f "$report"; [ "$(type -t stop_fronts)" != function ] || stop_fronts' EXIT
    status=0
    "$WINE" "$@" -o "$report,txt" || status=$?
    cat "$report"
    # A process that ends badly after its report says so: which status.
    if [ "$status" -ne 0 ]; then
        echo "wine.sh: $(basename "$1") ended with status $status" >&2
    fi
    exit "$status"
fi
if [ -n "${TICKETWISE_TLS_FRONT:-}" ]; then
    "$WINE" "$@"
else
    exec "$WINE" "$@"
fi
