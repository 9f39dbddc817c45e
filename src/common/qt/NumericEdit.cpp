// The number box's validator, which drops what the key filter would not take.

#include "common/qt/NumericEdit.h"

#include <QKeyEvent>

namespace lm {

QValidator::State TypedNumberValidator::validate(QString& text, int& cursor) const {
    QString kept;
    kept.reserve(text.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const bool digit = ch >= u'0' && ch <= u'9';
        const bool sign = ch == u'-' && minusAllowed_;
        const bool keep = digit || ((sign || ch == u'.') && !kept.contains(ch));
        if (!keep) continue;
        kept.append(ch);
        if (i < cursor) ++keptBeforeCursor;
    }
    text = kept;
    cursor = keptBeforeCursor;
    return Acceptable;
}

NumericEdit::NumericEdit(QWidget* parent, bool minusAllowed)
    : QLineEdit(parent), minusAllowed_(minusAllowed) {
    setValidator(new TypedNumberValidator(minusAllowed, this));
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
    const bool shortcut = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool backspace = e->key() == Qt::Key_Backspace;
    const QString typed = e->text();
    const bool character = !shortcut && !typed.isEmpty() && typed.at(0).isPrint();
    if (character || backspace) {
        const QChar ch = backspace ? QChar() : typed.at(0);
        const bool accepted = backspace || (ch >= u'0' && ch <= u'9') ||
                              ((ch == u'.' || (ch == u'-' && minusAllowed_)) && !text().contains(ch));
        QLineEdit::keyPressEvent(e);
        emit KeyTyped(accepted);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

}  // namespace lm
