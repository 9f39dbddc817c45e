// The program's own icon (a driving wheel working a curved link), built into the program
// so every window can show it wherever the program is run from.
#pragma once

#include <QIcon>

namespace lm {

QIcon ProgramIcon();

}  // namespace lm
