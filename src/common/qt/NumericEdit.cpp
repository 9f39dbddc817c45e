// The number box's validator, which drops what the key filter would not take.

#include "common/qt/NumericEdit.h"

#include <QKeyEvent>

#include <string>

#include "common/qt/TypedKeyEvent.h"

namespace lm {

QValidator::State TypedNumberValidator::validate(QString& text, int& cursor) const {
    // Each character is kept as the key filter would take it typed after those kept
    // before it, so typing, pasting and dropping obey one rule.
    const KeyRule rule{minus_, false};
    std::string kept;
    kept.reserve(static_cast<std::size_t>(text.size()));
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        const bool printable = u > u' ' && u < 0x7f;
        if (!printable || !AcceptTypedKey(kept, static_cast<char>(u), rule)) continue;
        kept.push_back(static_cast<char>(u));
        if (i < cursor) ++keptBeforeCursor;
    }
    text = QString::fromLatin1(kept.data(), static_cast<qsizetype>(kept.size()));
    cursor = keptBeforeCursor;
    return Acceptable;
}

NumericEdit::NumericEdit(QWidget* parent, bool minusAllowed)
    : NumericEdit(parent, KeyRule{minusAllowed ? MinusRule::Once : MinusRule::None, true}) {}

NumericEdit::NumericEdit(QWidget* parent, KeyRule rule)
    : QLineEdit(parent), minus_(rule.Minus), enterRefused_(!rule.EnterAccepted) {
    setValidator(new TypedNumberValidator(rule.Minus, this));
}

void NumericEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        if (enterRefused_) {
            emit KeyTyped(false);
            return;
        }
        QWidget* target = enterTarget_.data();
        if (target != nullptr)
            target->setFocus(Qt::TabFocusReason);
        else
            focusNextChild();
        return;
    }
    const char key = TypedKeyOf(*e);
    if (key != 0) {
        const bool accepted = AcceptTypedKey(TextBeforeKey(*this), key, KeyRule{minus_, false});
        QLineEdit::keyPressEvent(e);
        emit KeyTyped(accepted);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

}  // namespace lm
