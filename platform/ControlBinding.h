#pragma once

#include "platform/DialogTemplate.h"

#include <QString>

class QWidget;

// What binding a template control to a member widget needs to know of the
// widget's class.

// Whether control can stand for a template control of that class.
bool ControlMatchesClass(const QWidget& control, ControlClass controlClass);
// Gives the control its text the way its class shows text.
void SetControlText(QWidget& control, const QString& text);
// Whether widget is, or lies inside, a multi-line editor (which wants Enter).
bool IsMultiLineEditor(const QWidget* widget);
