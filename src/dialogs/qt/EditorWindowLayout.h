// Where the controls of the two dimension editors stand: boxes, small highlight buttons,
// the reset and Close buttons, and the order the Tab key visits them in.
#pragma once

#include <QRect>
#include <QString>

#include <vector>

#include "model/Highlight.h"

namespace lm {

struct EditorWindowLayout {
    QString Name;      // FrameDi, CylDimen
    QString Caption;
    QString ResetName;
    QString ResetCaption;
    QRect ResetGeometry;
    QRect CloseGeometry;
    // [n] for box n; [0] unused.
    std::vector<QRect> Boxes;
    std::vector<QRect> Buttons;
    // Box numbers in Tab order; 0 stands for Close1, -1 for the reset button. The small
    // buttons follow.
    std::vector<int> TabOrder;
};

inline constexpr int kEditorClientWidth = 386;
inline constexpr int kEditorClientHeight = 230;

const EditorWindowLayout& LayoutOf(EditorId editor);

// A rectangle of the normal layout moved to where the text layout puts its labels: the
// large-font labels move right and down, and the controls beside them move with them.
QRect MovedPlace(const QRect& r, float textScaleX, float textScaleY);

}  // namespace lm
