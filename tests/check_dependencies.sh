#!/usr/bin/env bash
# Every include between src/ folders must be one the table "What each folder may include"
# in docs/architecture.md allows. Prints each include that is not, and fails.
#   check_dependencies.sh SRC_FOLDER ARCHITECTURE_MD
set -euo pipefail
src="${1:?usage: check_dependencies.sh SRC_FOLDER ARCHITECTURE_MD}"
doc="${2:?usage: check_dependencies.sh SRC_FOLDER ARCHITECTURE_MD}"

declare -A allowed
while IFS= read -r row; do
    folder=$(sed -E 's/^\| `([a-z/]+)` \|.*/\1/' <<<"$row")
    allowed[$folder]=$(sed -E 's/^\| `[a-z/]+` \|(.*)\|$/\1/; s/`//g' <<<"$row")
done < <(grep -E '^\| `[a-z/]+` \|' "$doc")
[ "${#allowed[@]}" -gt 0 ] || { echo "no dependency table in $doc"; exit 1; }

# Whether a folder may include another, by its row of the table.
may() {
    local from=$1 to=$2 list
    [ "$from" = "$to" ] && return 0
    if [ -v "allowed[$from]" ]; then
        list=${allowed[$from]}
        case "$list" in
            *"every folder outside"*) [[ "$to" != */qt || "$to" = graphics/qt ]]; return ;;
            *"every folder"*) return 0 ;;
        esac
        [[ " $list " == *" $to "* ]]
        return
    fi
    if [[ "$from" == */qt ]]; then
        local area=${from%/qt}
        [ "$to" = "$area" ] || [ "$to" = common/qt ] || [ "$to" = graphics/qt ] && return 0
        may "$area" "$to"
        return
    fi
    echo "$from is not in the table" >&2
    return 1
}

status=0
while IFS= read -r line; do
    file=${line%%:*}
    rel=${file#"$src"/}
    from=${rel%/*}
    [[ "$line" =~ \#include\ \"([a-z]+(/qt)?)/ ]] || continue
    to=${BASH_REMATCH[1]}
    [ -d "$src/$to" ] || continue
    if ! may "$from" "$to"; then
        echo "$rel includes $to: not in the table of what $from may include"
        status=1
    fi
done < <(grep -rHE '#include "[a-z]+(/qt)?/' "$src" --include='*.h' --include='*.cpp')
exit $status
