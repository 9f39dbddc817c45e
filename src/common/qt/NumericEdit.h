// The edit box for typed numbers used by every editor, dialog and table row: it holds
// only what the key filter lets through (digits, at most one "-" and one "."), whether
// the text is typed, pasted or dropped, and Enter moves the focus on instead of being
// typed. Leaving the box (focus out) is where a window converts and stores its text.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QValidator>

#include "common/TypedKeys.h"

namespace lm {

// Keeps digits, the first "." and the "-" its rule allows (the first, every one, or
// none) of a text; drops everything else. Where a "-" stands is not checked ("12-3" can
// be typed; converting it reads 12).
class TypedNumberValidator : public QValidator {
public:
    TypedNumberValidator(MinusRule minus, QObject* parent) : QValidator(parent), minus_(minus) {}
    TypedNumberValidator(bool minusAllowed, QObject* parent)
        : TypedNumberValidator(minusAllowed ? MinusRule::Once : MinusRule::None, parent) {}
    State validate(QString& text, int& cursor) const override;

private:
    MinusRule minus_;
};

class NumericEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NumericEdit(QWidget* parent, bool minusAllowed = true);
    // A box that follows a key rule of the core: its "-" rule, and Enter moving the focus
    // (accepted) or refused.
    NumericEdit(QWidget* parent, KeyRule rule);

    // Where Enter moves the focus; unset, to the next box in the tab order.
    void SetEnterTarget(QWidget* target) { enterTarget_ = target; }
    // For boxes where Enter is just a refused key: swallowed, reported as not accepted.
    void SetEnterRefused(bool refused) { enterRefused_ = refused; }

signals:
    // Every character key or backspace pressed in the box, whether the filter takes it
    // (`accepted`) or not. Enter is not a typed key unless it is refused.
    void KeyTyped(bool accepted);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MinusRule minus_;
    bool enterRefused_ = false;
    QPointer<QWidget> enterTarget_;
};

}  // namespace lm
