# bash completion for linkmotion-cli. Commands, options and the dimension code names are
# read from the program's own --help, so the completion follows the installed version.

_linkmotion_cli_help() {
    local section=$1
    "${COMP_WORDS[0]}" --help 2>/dev/null | awk -v want="$section" '
        /^Gear options/               { s = "options" }
        /^Dimension code names:/      { s = "names"; next }
        /^[^ ].*:$/ && !/^Gear/       { s = "commands"; next }
        /^[^ ]/ && !/^Gear/           { s = "" }
        want == "options"  { while (match($0, /--[a-z][a-z-]*/)) { print substr($0, RSTART, RLENGTH); $0 = substr($0, RSTART + RLENGTH) } }
        want == "commands" && s == "commands" && /^  [a-z]/ { print $1 }
        want == "names"    && s == "names" { for (i = 1; i <= NF; i++) print $i }
    ' | { cat; [ "$section" = options ] && echo --help; } | sort -u
}

_linkmotion_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}

    case $prev in
        --open)   COMPREPLY=($(compgen -f -X '!*.[lL][mM][dD]' -- "$cur") $(compgen -d -- "$cur")); return ;;
        --import) COMPREPLY=($(compgen -f -X '!*.[lL][mM][pP]' -- "$cur") $(compgen -d -- "$cur")); return ;;
        --out|--save) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --gear)   COMPREPLY=($(compgen -W 'mid fwd rev full-fwd full-rev' -- "$cur")); return ;;
        --what)   COMPREPLY=($(compgen -W 'gear sine oval steam port events' -- "$cur")); return ;;
        --graph)  COMPREPLY=($(compgen -W 'F R B' -- "$cur")); return ;;
        --highlight) COMPREPLY=($(compgen -W "$(_linkmotion_cli_help names)" -- "$cur")); return ;;
        --set)
            compopt -o nospace 2>/dev/null
            COMPREPLY=($(compgen -S '=' -W "$(_linkmotion_cli_help names)" -- "$cur"))
            return ;;
        --revarm|--angle|--step|--from|--to|--positions|--tick-ms) return ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_linkmotion_cli_help options)" -- "$cur"))
        return
    fi
    # A command only while none has been given yet.
    local commands word i
    commands=$(_linkmotion_cli_help commands)
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        for c in $commands; do [[ $word == "$c" ]] && return; done
    done
    COMPREPLY=($(compgen -W "$commands" -- "$cur"))
}

complete -F _linkmotion_cli linkmotion-cli
