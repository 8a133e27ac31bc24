// Wren: the soft keyboard.
#include "shell/Wren.h"

#include "shell/SoftKeyboard.h"

#include <QApplication>
#include <QPointer>

namespace {

class SipSignals : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void Changed();
};

// The keyboard exists only while it shows, so nothing of it outlives its
// window.
QPointer<SoftKeyboard>& Keyboard()
{
    static QPointer<SoftKeyboard> keyboard;
    return keyboard;
}

SipSignals* Notifier()
{
    static QPointer<SipSignals> notifier;
    if (!notifier)
        notifier = new SipSignals(QCoreApplication::instance());
    return notifier;
}

} // namespace

SIP_STATE SipGetState()
{
    return Keyboard() && Keyboard()->isVisible() ? SIP_SHOWN : SIP_HIDDEN;
}

void SipShowCorrectIM(ORVA_LANG language)
{
    SipHideIM();
    QWidget* window = QApplication::activeWindow();
    if (!window)
        return;
    // Chinese is typed with the English layout; a desktop input method, if
    // any, composes it in the editor.
    Keyboard() = new SoftKeyboard(language == ORVA_LANG_TURKISH ? KeyboardLayout::Turkish() : KeyboardLayout::English(),
        window);
    Keyboard()->show();
    emit Notifier()->Changed();
}

void SipHideIM()
{
    SoftKeyboard* keyboard = Keyboard();
    if (!keyboard)
        return;
    Keyboard() = nullptr;
    keyboard->hide();
    // The call may come from the keyboard's own hide key, still in its click.
    keyboard->deleteLater();
    emit Notifier()->Changed();
}

QRect SipGetRect()
{
    if (SipGetState() == SIP_HIDDEN)
        return {};
    return {Keyboard()->mapToGlobal(QPoint(0, 0)), Keyboard()->size()};
}

void SipWatch(QObject* receiver, std::function<void()> onChange)
{
    QObject::connect(Notifier(), &SipSignals::Changed, receiver, std::move(onChange));
}

#include "WrenKeyboard.moc"
