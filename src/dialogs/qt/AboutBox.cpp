// The About window's lines and layout.

#include "dialogs/qt/AboutBox.h"

#include <QLabel>

#include <algorithm>
#include <array>

#include "common/Version.h"

namespace lm {

QStringList AboutBox::Lines() {
    return {
        QStringLiteral("LINKMOTION Inside Admission  Version %1")
            .arg(QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()))),
        QStringLiteral("The LINKMOTION simulators were first written"),
        QStringLiteral("for text-screen personal computers; this one"),
        QStringLiteral("was the first of them brought to the desktop,"),
        QStringLiteral("using the MsDos versions as the basis."),
        QStringLiteral("Comments to"),
        QStringLiteral("the project's issue tracker, as described"),
        QStringLiteral("in the README file that comes with it."),
    };
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About These Programs"));
    constexpr std::array<int, 8> kTops{9, 24, 40, 56, 72, 88, 104, 121};
    const QStringList lines = Lines();
    int widest = 340 - 16;
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(lines[i], this);
        label->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->adjustSize();
        label->move(8, kTops[static_cast<std::size_t>(i)]);
        widest = std::max(widest, label->width());
    }
    // Wide enough for the lines in whatever font the desktop uses.
    setFixedSize(widest + 16, 143);
}

}  // namespace lm
