// The small captioned push buttons placed by pixel on the windows' drawings.
#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

#include "common/qt/ControlPlaces.h"

namespace lm {

inline QPushButton* MakePushButton(QWidget* parent, const QString& name, const QRect& geometry,
                                   const QString& caption, const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    PlaceControl(b, geometry);
    if (!hint.isEmpty()) b->setToolTip(hint);
    // Enter in a box moves the focus; it must not press a button as well.
    b->setAutoDefault(false);
    return b;
}

}  // namespace lm
