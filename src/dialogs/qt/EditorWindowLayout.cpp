// The two editors' control places, in pixels of the normal text layout.
#include "dialogs/qt/EditorWindowLayout.h"

#include "common/Numbers.h"

namespace lm {

namespace {

constexpr int kRow = 13;
constexpr int kBoxWidth = 40;
constexpr int kButtonWidth = 8;
constexpr int kLeftBoxX = 146, kRightBoxX = 342;
constexpr int kLeftButtonX = 0, kRightButtonX = 194;

EditorWindowLayout FrameLayout() {
    EditorWindowLayout l;
    l.Name = "FrameDi";
    l.Caption = "Frame Dimensions";
    l.ResetName = "ResetFrame";
    l.ResetCaption = "ResetFrameDim";
    l.ResetGeometry = QRect(288, 176, 89, 25);
    l.CloseGeometry = QRect(288, 200, 89, 25);
    l.Boxes.resize(28);
    l.Buttons.resize(28);
    for (int n = 1; n <= 27; ++n) {
        const bool left = n <= 14;
        const int y = kRow * (left ? n - 1 : n - 15);
        l.Boxes[static_cast<std::size_t>(n)] = QRect(left ? kLeftBoxX : kRightBoxX, y, kBoxWidth, kRow);
        l.Buttons[static_cast<std::size_t>(n)] =
            QRect(left ? kLeftButtonX : kRightButtonX, y, kButtonWidth, kRow);
    }
    l.TabOrder = {1, 2, 3, 0, -1};
    for (int n = 4; n <= 27; ++n) l.TabOrder.push_back(n);
    return l;
}

EditorWindowLayout CylinderLayout() {
    EditorWindowLayout l;
    l.Name = "CylDimen";
    l.Caption = "Cylinder Dimensions";
    l.ResetName = "Reset1";
    l.ResetCaption = "ResetCylDim";
    l.ResetGeometry = QRect(288, 168, 89, 25);
    l.CloseGeometry = QRect(288, 192, 89, 25);
    // Box y, and the y of the label's first line, where the small button starts; a
    // two-line label's button covers both lines.
    constexpr int boxY[18] = {0, 0, 13, 26, 39, 52, 78, 91, 104, 117, 130, 0, 13, 26, 52, 78, 91, 117};
    constexpr int labelY[18] = {0, 0, 13, 26, 39, 52, 65, 91, 104, 117, 130, 0, 13, 26, 39, 65, 91, 104};
    l.Boxes.resize(18);
    l.Buttons.resize(18);
    for (int n = 1; n <= 17; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const bool left = n <= 10;
        l.Boxes[i] = QRect(left ? kLeftBoxX : kRightBoxX, boxY[i], kBoxWidth, kRow);
        l.Buttons[i] = QRect(left ? kLeftButtonX : kRightButtonX, labelY[i], kButtonWidth,
                             boxY[i] - labelY[i] + kRow);
    }
    for (int n = 1; n <= 17; ++n) l.TabOrder.push_back(n);
    l.TabOrder.push_back(0);
    l.TabOrder.push_back(-1);
    return l;
}

}  // namespace

const EditorWindowLayout& LayoutOf(EditorId editor) {
    static const EditorWindowLayout frame = FrameLayout();
    static const EditorWindowLayout cylinder = CylinderLayout();
    return editor == EditorId::Cylinder ? cylinder : frame;
}

QRect MovedPlace(const QRect& r, float textScaleX, float textScaleY) {
    const long double kx = textScaleX, ky = textScaleY;
    return QRect(static_cast<int>(RoundToInt(kx * r.x())), static_cast<int>(RoundToInt(ky * r.y())),
                 r.width(), r.height());
}

}  // namespace lm
