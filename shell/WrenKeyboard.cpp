// Wren: the soft keyboard.
#include "shell/Wren.h"

#include "shell/SoftKeyboard.h"

#include <QPointer>

namespace {

// The keyboard exists only while it shows, so nothing of it outlives the
// application object.
QPointer<SoftKeyboard>& Keyboard()
{
    static QPointer<SoftKeyboard> keyboard;
    return keyboard;
}

} // namespace

SIP_STATE SipGetState()
{
    return Keyboard() && Keyboard()->isVisible() ? SIP_SHOWN : SIP_HIDDEN;
}

void SipShowCorrectIM(ORVA_LANG language)
{
    // Chinese is typed with the English layout; a desktop input method, if
    // any, composes it in the editor.
    SipHideIM();
    Keyboard() = new SoftKeyboard(language == ORVA_LANG_TURKISH ? KeyboardLayout::Turkish() : KeyboardLayout::English());
    Keyboard()->show();
}

void SipHideIM()
{
    delete Keyboard();
}
