# bash completion for kestrivane-cli                         -*- shell-script -*-

_kestrivane_cli() {
    local cur prev words cword
    _init_completion || return

    case $prev in
        --home | --temp-dir)
            _filedir -d
            return
            ;;
        --fakes)
            _filedir
            return
            ;;
        --url | --exec)
            return
            ;;
    esac

    local cmd="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --home) ((i++)) ;;
            check | update | import | search | watch)
                cmd=${words[i]}
                break
                ;;
        esac
    done

    local opts
    case $cmd in
        "")
            opts="--help --version --home -q --quiet check update import search watch"
            ;;
        check)
            opts="--help --home --temp-dir --fakes --all --no-all --links --html --json --update --no-header"
            ;;
        update)
            opts="--help --home --url"
            ;;
        import)
            if [[ $cur != -* ]]; then
                # The three preference files the import understands.
                _filedir '@(met|ini|conf)'
                return
            fi
            opts="--help --home --detect"
            ;;
        watch)
            opts="--help --home --temp-dir --fakes --json --exec"
            ;;
        search)
            opts="--help --home --temp-dir --json"
            ;;
    esac
    COMPREPLY=($(compgen -W "$opts" -- "$cur"))
} &&
    complete -F _kestrivane_cli kestrivane-cli

# ex: filetype=sh
