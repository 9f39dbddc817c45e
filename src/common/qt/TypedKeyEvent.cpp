// A key press as the number boxes' key filter sees it.

#include "common/qt/TypedKeyEvent.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "common/TypedKeys.h"

namespace lm {

char TypedKeyOf(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) return kEnterKey;
    if (e.key() == Qt::Key_Backspace) return kBackspaceKey;
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString typed = e.text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return 0;
    const char16_t u = typed.at(0).unicode();
    return u < 0x7f ? static_cast<char>(u) : kForeignKey;
}

std::string TextBeforeKey(const QLineEdit& box) {
    QString text = box.text();
    if (box.hasSelectedText()) text.remove(box.selectionStart(), box.selectedText().size());
    return text.toStdString();
}

}  // namespace lm
