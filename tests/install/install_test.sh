#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree: the
# programs run, the desktop entry, metainfo and manual pages pass their
# validators, every icon size and both completions are there, nothing else is.
# Usage: install_test.sh CMAKE BUILD_DIR APP_ID VERSION GUI(0|1)
# Exit status 77 (skipped) only when a validator is missing.
set -uo pipefail
cmake=$1 build=$2 id=$3 version=$4 gui=$5

missing=()
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "skipped: missing ${missing[*]} (scripts/deps.sh installs them)"
    exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
export HOME=$tmp/home XDG_CONFIG_HOME= XDG_DATA_HOME= KESTRIVANE_HOME=
mkdir -p "$HOME"
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The tree holds exactly what is meant to be installed.
sizes=(16 22 24 32 48 64 128 256)
units=(lib/systemd/user/kestrivane-check.service lib/systemd/user/kestrivane-check.timer
       lib/systemd/user/kestrivane-watch.service lib/systemd/user/kestrivane-serve.service
       lib/systemd/system/kestrivane-serve.service)
expected=(bin/kestrivane-cli share/man/man1/kestrivane-cli.1.gz
          share/bash-completion/completions/kestrivane-cli share/zsh/vendor-completions/_kestrivane-cli
          share/kestrivane/layout.txt share/doc/kestrivane/copyright share/doc/kestrivane/changelog.gz "${units[@]}")
if [ "$gui" = 1 ]; then
    expected+=(bin/kestrivane share/man/man1/kestrivane.1.gz "share/applications/$id.desktop"
               "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg")
    for n in "${sizes[@]}"; do expected+=("share/icons/hicolor/${n}x${n}/apps/$id.png"); done
fi
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "installed files differ from the expected list (< expected, > installed)"

# The programs.
cli=$prefix/bin/kestrivane-cli
[ "$("$cli" --version)" = "kestrivane-cli $version" ] || fail "kestrivane-cli --version: $("$cli" --version)"
help=$("$cli" --help) || fail "kestrivane-cli --help exits with $?"
for word in check update import search --home "Exit status"; do
    grep -qF -- "$word" <<<"$help" || fail "kestrivane-cli --help lacks $word"
done

# Installed into a prefix other than the configured one, with a fresh home:
# the programs know they are installed by the tree around them and write
# nothing beside themselves; KESTRIVANE_HOME still wins.
(cd "$tmp" && mkdir -p temp && "$cli" check --temp-dir "$tmp/temp" >/dev/null 2>&1
 "$cli" update >/dev/null 2>&1; "$cli" mark "$(printf 'a%.0s' {1..32})" --size 1 >/dev/null 2>&1; true)
beside=$(cd "$prefix/bin" && find . -mindepth 1 | sed 's|^\./||' | sort | tr '\n' ' ')
want="kestrivane-cli "
[ "$gui" = 1 ] && want="kestrivane kestrivane-cli "
[ "$beside" = "$want" ] || fail "written beside the installed programs: $beside"
[ -f "$HOME/.config/kestrivane/Kestrivane.ini" ] || fail "the installed checker kept no settings in ~/.config/kestrivane"
mkdir -p "$tmp/own-home"
KESTRIVANE_HOME=$tmp/own-home "$cli" check --temp-dir "$tmp/temp" >/dev/null 2>&1
[ -f "$tmp/own-home/Kestrivane.ini" ] || fail "KESTRIVANE_HOME did not win over the installed layout"

# The systemd units start the installed checker by its full path (the system
# unit through a shell that becomes the aMule daemon's user first).
grep -qF "$prefix/bin/kestrivane-cli serve" "$prefix/lib/systemd/system/kestrivane-serve.service" ||
    fail "the system unit does not start the installed kestrivane-cli serve"
for unit in "${units[@]}"; do
    [[ $unit == lib/systemd/system/* ]] && continue
    grep -q "^ExecStart=" "$prefix/$unit" || continue
    grep "^ExecStart=" "$prefix/$unit" | grep -vq "^ExecStart=$prefix/bin/kestrivane-cli " &&
        fail "$unit starts another program: $(grep '^ExecStart=' "$prefix/$unit")"
done

# Manual pages: no roff warnings, and the parts a reader looks for.
man_page() {  # page, words the rendering must hold...
    local page=$prefix/share/man/man1/$1.1.gz; shift
    local text warnings
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
    text=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
    local word
    for word in "$@"; do grep -qF -- "$word" <<<"$text" || fail "$page renders without \"$word\""; done
}
man_page kestrivane-cli "Kestrivane $version" "NAME" "find known fakes" "EXIT STATUS" \
    "ENVIRONMENT" "KESTRIVANE_HOME" "FILES" "Kestrivane.ini" --temp-dir --fakes --all --no-all --links --html \
    --json --update --home --version "import FILE" "search TEXT" --detect --no-header --url --quiet --exec \
    "KV_NAME" "watch"
if [ "$gui" = 1 ]; then
    man_page kestrivane "Kestrivane $version" "find known fakes" "KESTRIVANE_HOME" "FILES" "kestrivane-cli(1)"

    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
    grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
    grep -qx "Categories=Network;FileTransfer;P2P;" "$prefix/share/applications/$id.desktop" || fail "Categories"
    metainfo=$prefix/share/metainfo/$id.metainfo.xml
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
    grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo names another release"
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"

    # Each PNG is as large as its directory says (width and height from the IHDR chunk).
    for n in "${sizes[@]}"; do
        png=$prefix/share/icons/hicolor/${n}x${n}/apps/$id.png
        read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null)
        [ "${w:-}x${h:-}" = "${n}x${n}" ] || fail "$png is ${w:-?}x${h:-?}"
    done
    head -c 200 "$prefix/share/icons/hicolor/scalable/apps/$id.svg" | grep -q "<svg " || fail "the SVG icon holds no <svg>"
fi

# Completions: bash completes commands and each command's options (with the few
# bash-completion helpers the script uses stood in for); zsh parses.
bash_completes() {  # expected, words...
    local want=$1; shift
    local got
    got=$(
        _init_completion() {
            words=("${COMP_WORDS[@]}") cword=$COMP_CWORD cur=${COMP_WORDS[COMP_CWORD]}
            prev=${COMP_WORDS[COMP_CWORD - 1]}
        }
        _filedir() { COMPREPLY=("<files${1:+ $1}>"); }
        complete() { :; }
        source "$prefix/share/bash-completion/completions/kestrivane-cli"
        COMP_WORDS=("$@") COMP_CWORD=$(($# - 1))
        _kestrivane_cli
        echo "${COMPREPLY[*]}"
    )
    [ "$got" = "$want" ] || fail "bash completion of '$*': '$got', not '$want'"
}
bash_completes "check" kestrivane-cli ch
bash_completes "--help --home" kestrivane-cli --h
bash_completes "--no-all --no-inspect --no-header" kestrivane-cli --home /x check --no
bash_completes "watch" kestrivane-cli wa
bash_completes "--detect" kestrivane-cli import --d
bash_completes "--exec --exec-timeout" kestrivane-cli watch --e
bash_completes "connect cancel" kestrivane-cli amule c
bash_completes "--yes" kestrivane-cli amule cancel --y
bash_completes "--json" kestrivane-cli search --j
bash_completes "<files -d>" kestrivane-cli check --temp-dir ""
bash_completes "<files>" kestrivane-cli check --fakes ""
bash_completes "<files @(met|ini|conf)>" kestrivane-cli import ""
bash_completes "import" kestrivane-cli --home imp im
if command -v zsh >/dev/null; then
    zsh -n "$prefix/share/zsh/vendor-completions/_kestrivane-cli" || fail "zsh cannot parse _kestrivane-cli"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "installed tree in order"
