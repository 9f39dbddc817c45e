// The program's icon, from the resource compiled into the library.

#include "dialogs/qt/ProgramIcon.h"

// The resource lives in a static library; naming it here makes the linker keep it.
static void InitProgramIconResource() { Q_INIT_RESOURCE(ProgramIcon); }

namespace lm {

QIcon ProgramIcon() {
    InitProgramIconResource();
    return QIcon(QStringLiteral(":/linkmotion/linkmotion.svg"));
}

}  // namespace lm
