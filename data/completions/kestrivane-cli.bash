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
        --url | --site | --exec | --exec-timeout | --reason | --size)
            return
            ;;
    esac

    local cmd="" sub="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --home) ((i++)) ;;
            check | update | import | search | watch | serve | mark | allow | unmark | export | links | amule | emule)
                if [[ -z $cmd ]]; then
                    cmd=${words[i]}
                fi
                ;;
            connect | pause | resume | stop | cancel)
                [[ $cmd == amule || $cmd == emule ]] && sub=${words[i]}
                ;;
        esac
    done

    local opts
    case $cmd in
        "")
            opts="--help --version --home -q --quiet check update import search watch serve mark allow unmark export links amule emule"
            ;;
        check)
            opts="--help --home --temp-dir --fakes --all --no-all --links --html --json --no-inspect --update
                  --no-header --amule --emule --pause-fakes"
            ;;
        update)
            opts="--help --home --url --program --site"
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
            opts="--help --home --temp-dir --fakes --json --exec --exec-timeout --amule --pause-fakes --guard --cancel-fakes --guard-suspects --notify-url --notify-desktop"
            ;;
        serve)
            opts="--help --home --listen --token-file --allow-host --temp-dir --fakes --notify-desktop"
            ;;
        search)
            opts="--help --home --temp-dir --json"
            ;;
        mark)
            opts="--help --home --temp-dir --reason --size"
            ;;
        allow)
            opts="--help --home --temp-dir --reason"
            ;;
        unmark)
            opts="--help --home --temp-dir"
            ;;
        export)
            opts="--help --home --temp-dir --own"
            ;;
        links)
            if [[ $cur != -* ]]; then
                _filedir
                return
            fi
            opts="--help --home --fakes --all --no-all --links --json"
            ;;
        amule | emule)
            case $sub in
                "") opts="--help connect pause resume stop cancel" ;;
                connect) opts="--help --password-stdin" ;;
                cancel) opts="--help --yes" ;;
                *) opts="--help" ;;
            esac
            ;;
    esac
    COMPREPLY=($(compgen -W "$opts" -- "$cur"))
} &&
    complete -F _kestrivane_cli kestrivane-cli

# ex: filetype=sh
