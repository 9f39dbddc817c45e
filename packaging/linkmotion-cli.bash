# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for linkmotion-cli. Commands, options and the dimension code names are
# read from the program's own --help, so the completion follows the installed version;
# the short value lists are the program's own words (a test holds them to its tables).

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

_linkmotion_cli_events='FrontLead RearLead FrontMaxOpening RearMaxOpening FrontAdmission RearAdmission
    FrontCutOff RearCutOff FrontRelease RearRelease FrontCompression RearCompression'
_linkmotion_cli_positions='mid fwd rev full-fwd full-rev'

# Completes the last item of a comma-separated list in $cur from the words given; items
# before it are kept.
_linkmotion_cli_list_item() {
    local words=$1 suffix=$2 head="" item=$cur
    if [[ $cur == *,* ]]; then
        head=${cur%,*},
        item=${cur##*,}
    fi
    compopt -o nospace 2>/dev/null
    COMPREPLY=($(compgen -P "$head" -S "$suffix" -W "$words" -- "$item"))
}

# A goal is KIND@G or KIND=VALUE@G: the kinds first, then the gear position after "@".
_linkmotion_cli_goal() {
    local head="" item=$cur
    if [[ $cur == *,* ]]; then
        head=${cur%,*},
        item=${cur##*,}
    fi
    compopt -o nospace 2>/dev/null
    if [[ $item == *@* ]]; then
        COMPREPLY=($(compgen -P "$head${item%%@*}@" -W "$_linkmotion_cli_positions" -- "${item#*@}"))
    else
        COMPREPLY=($(compgen -P "$head" -W 'equal-cutoff@ equal-lead@ cutoff= lead=' -- "$item"))
    fi
}

_linkmotion_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}

    case $prev in
        --open)   COMPREPLY=($(compgen -f -X '!*.[lL][mM][dD]' -- "$cur") $(compgen -d -- "$cur")); return ;;
        --import) COMPREPLY=($(compgen -f -X '!*.[lL][mM][pP]' -- "$cur") $(compgen -d -- "$cur")); return ;;
        --out|--save) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --gear|--at) COMPREPLY=($(compgen -W "$_linkmotion_cli_positions" -- "$cur")); return ;;
        --what)   COMPREPLY=($(compgen -W 'gear sine oval steam port events' -- "$cur")); return ;;
        --graph)  COMPREPLY=($(compgen -W 'F R B' -- "$cur")); return ;;
        --page)   COMPREPLY=($(compgen -W 'a4 letter' -- "$cur")); return ;;
        --event)  COMPREPLY=($(compgen -W "$_linkmotion_cli_events" -- "$cur")); return ;;
        --distribution) COMPREPLY=($(compgen -W 'uniform normal' -- "$cur")); return ;;
        --settings) _linkmotion_cli_list_item "$_linkmotion_cli_positions" ""; return ;;
        --tol)    _linkmotion_cli_list_item "$(_linkmotion_cli_help names)" "="; return ;;
        --study)  COMPREPLY=($(compgen -f -X '!*.[jJ][sS][oO][nN]' -- "$cur") $(compgen -d -- "$cur")); return ;;
        --goal)   _linkmotion_cli_goal; return ;;
        --vary)   _linkmotion_cli_list_item "$(_linkmotion_cli_help names)" ""; return ;;
        --highlight) COMPREPLY=($(compgen -W "$(_linkmotion_cli_help names)" -- "$cur")); return ;;
        --set)
            compopt -o nospace 2>/dev/null
            COMPREPLY=($(compgen -S '=' -W "$(_linkmotion_cli_help names)" -- "$cur"))
            return ;;
        --revarm|--angle|--step|--from|--to|--positions|--track|--samples|--seed|--threshold|\
        --tol-length|--tol-angle|--clearance|--shard|--step-length|--step-angle|\
        --tolerance-length|--tolerance-angle) return ;;
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
