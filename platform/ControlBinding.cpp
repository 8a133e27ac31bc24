#include "platform/ControlBinding.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

bool IsMultiLineEditor(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget))
            return true;
    }
    return false;
}

bool ControlMatchesClass(const QWidget& control, ControlClass controlClass)
{
    switch (controlClass) {
    case ControlClass::Button: return qobject_cast<const QAbstractButton*>(&control) != nullptr;
    case ControlClass::Edit:
        return qobject_cast<const QPlainTextEdit*>(&control) || qobject_cast<const QTextEdit*>(&control)
            || qobject_cast<const QLineEdit*>(&control);
    case ControlClass::Static: return true;
    }
    return false;
}

void SetControlText(QWidget& control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(&control))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(&control))
        rich->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(&control))
        line->setText(text);
    else
        control.setWindowTitle(text);
}
