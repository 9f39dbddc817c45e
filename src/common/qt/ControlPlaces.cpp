// Remembering each control's normal place and font, and scaling them for the large font.
#include "common/qt/ControlPlaces.h"

#include <QFont>
#include <QVariant>
#include <QWidget>

#include "common/TextScaleExtent.h"

namespace lm {

namespace {

constexpr const char* kNormalPlace = "lmNormalPlace";
constexpr const char* kNormalFont = "lmNormalFont";

QFont ScaledFont(QFont font, float scaleY) {
    if (font.pixelSize() > 0)
        font.setPixelSize(TextScaleFontPixels(font.pixelSize(), scaleY));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * TextScaleFontPixels(1000, scaleY) / 1000.0);
    return font;
}

}  // namespace

void PlaceControl(QWidget* control, const QRect& normal) {
    control->setGeometry(normal);
    control->setProperty(kNormalPlace, normal);
}

QRect ScaledPlace(const QRect& normal, float scaleX, float scaleY) {
    const int left = TextScaleEdge(normal.x(), scaleX);
    const int top = TextScaleEdge(normal.y(), scaleY);
    const int right = TextScaleEdge(normal.x() + normal.width(), scaleX);
    const int bottom = TextScaleEdge(normal.y() + normal.height(), scaleY);
    return {left, top, right - left, bottom - top};
}

void ScaleControls(QWidget* container, float scaleX, float scaleY) {
    for (QWidget* control : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant place = control->property(kNormalPlace);
        if (!place.isValid()) continue;
        // Its font as the window made it, taken before the first scaling changes it.
        if (!control->property(kNormalFont).isValid()) control->setProperty(kNormalFont, control->font());
        const QFont normalFont = control->property(kNormalFont).value<QFont>();
        const QRect scaled = ScaledPlace(place.toRect(), scaleX, scaleY);
        if (control->geometry() != scaled) control->setGeometry(scaled);
        const QFont font = ScaledFont(normalFont, scaleY);
        if (control->font() != font) control->setFont(font);
    }
}

}  // namespace lm
