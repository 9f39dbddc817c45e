#!/usr/bin/env bash
# The dependency check fails on wrong-way includes planted in a copy of src/ (the core
# reaching up into the windows, a window into another window, the model or a dialog or the
# view into the main window), and passes on the copy before they are planted.
set -euo pipefail
check="${1:?usage: check_dependencies_plant.sh CHECK SRC_FOLDER ARCHITECTURE_MD}"
src="${2:?}"
doc="${3:?}"
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$src/." "$copy"
bash "$check" "$copy" "$doc" >/dev/null || { echo "the unchanged copy fails"; exit 1; }
for plant in "model/Planted.h:mainwindow/MainRender.h" "overlay/Planted.cpp:mainwindow/MainWindowState.h" \
             "dialogs/qt/Planted.cpp:diagrams/qt/DiagramWindow.h" "kinematics/Planted.h:files/DimensionFile.h" \
             "dialogs/Planted.cpp:mainwindow/MainWindowState.h" "view/Planted.h:mainwindow/MainRender.h"; do
    file=${plant%%:*}
    echo "#include \"${plant#*:}\"" >"$copy/$file"
    if bash "$check" "$copy" "$doc" >/dev/null 2>&1; then
        echo "not caught: $file including ${plant#*:}"
        exit 1
    fi
    rm "$copy/$file"
done
echo "every planted include caught"
