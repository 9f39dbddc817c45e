#!/usr/bin/env bash
# The window layer's includes run one way: the main window opens the other windows, so
# only mainwindow/qt may include another area's qt/ folder; every other window uses its
# own area, common/qt and graphics/qt. Prints each include that runs the wrong way.
set -euo pipefail
src="${1:?usage: check_window_includes.sh SRC_FOLDER}"
status=0
for dir in "$src"/*/qt; do
    area=$(basename "$(dirname "$dir")")
    [ "$area" = mainwindow ] && continue
    while IFS= read -r line; do
        file=${line%%:*}
        target=$(sed -E 's/.*#include "([a-z]+)\/qt\/.*/\1/' <<<"$line")
        case "$target" in "$area" | common | graphics) ;; *)
            echo "${file#"$src"/} includes ${target}/qt: only the main window opens other windows"
            status=1 ;;
        esac
    done < <(grep -H '#include "[a-z]*/qt/' "$dir"/*.h "$dir"/*.cpp 2>/dev/null || true)
done
# Nothing outside the qt/ folders and app/ may include Qt windows at all.
if grep -rlE '#include "[a-z]+/qt/' "$src" --include='*.h' --include='*.cpp' |
        grep -vE '/qt/|^'"$src"'/(app|cli)/' ; then
    echo "the files above lie outside a qt/ folder but include one"
    status=1
fi
exit $status
