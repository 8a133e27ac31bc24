// Wren: the soft keyboard.
#include "shell/Wren.h"

#include "platform/ShellMessage.h"
#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"
#include "shell/PinyinEngine.h"
#include "shell/SoftKeyboard.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>

Q_LOGGING_CATEGORY(lcKeyboard, "orva.shell.keyboard")

namespace {

class SipSignals : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void Changed();
};

// Watches the keyboard's window for the shell's language change, and shows
// the keyboard anew for the new language once the window has taken it.
class LanguageFollower : public QObject {
    Q_OBJECT
public:
    explicit LanguageFollower(QWidget* keyboard)
        : QObject(keyboard)
    {
        keyboard->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
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

// One engine for the life of the program, so that the keyboard opens at
// once after the first time; a new one when the user's data folder moved.
// Opened anew while it cannot be, so that data installed meanwhile is used.
std::unique_ptr<PinyinEngine>& PinyinEngineSlot()
{
    static std::unique_ptr<PinyinEngine> engine;
    return engine;
}

PinyinEngine* SharedPinyinEngine()
{
    std::unique_ptr<PinyinEngine>& engine = PinyinEngineSlot();
    const QString userFolder = PinyinEngine::DefaultUserFolder();
    if (!engine || engine->UserFolder() != userFolder) {
        engine.reset();
        engine = PinyinEngine::Open(userFolder);
    }
    return engine.get();
}

// The window to type into: the active one; without one (no window manager,
// or none has given it the focus yet) the program's window that it
// registered with the shell, when that shows.
QWidget* KeyboardWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return AppRegistry::Instance().ShownWindow();
}

void ShowKeyboard(QWidget* window, ORVA_LANG language)
{
    SipHideIM();
    if (!window) {
        qCWarning(lcKeyboard) << "no window to show the soft keyboard on";
        return;
    }
    PinyinEngine* pinyin = language == ORVA_LANG_CHINESE ? SharedPinyinEngine() : nullptr;
    const KeyboardLayout layout = language == ORVA_LANG_TURKISH ? KeyboardLayout::Turkish()
        : pinyin                                                ? KeyboardLayout::Pinyin()
                                                                : KeyboardLayout::English();
    Keyboard() = new SoftKeyboard(layout, window, pinyin);
    new LanguageFollower(Keyboard());
    Keyboard()->show();
    emit Notifier()->Changed();
}

bool LanguageFollower::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == ShellMessageEvent::EventType()
        && static_cast<ShellMessageEvent*>(event)->WParam() == ShellWParam(ShellCode::LanguageChanged)) {
        QPointer<QWidget> window = static_cast<QWidget*>(watched);
        QTimer::singleShot(0, Notifier(), [window] {
            if (window && Keyboard() && Keyboard()->window() == window)
                ShowKeyboard(window, COrvaSkins::GetLanguage());
        });
    }
    return false;
}

} // namespace

SIP_STATE SipGetState()
{
    return Keyboard() && Keyboard()->isVisible() ? SIP_SHOWN : SIP_HIDDEN;
}

void SipShowCorrectIM(ORVA_LANG language)
{
    ShowKeyboard(KeyboardWindow(), language);
}

void SipHideIM()
{
    SoftKeyboard* keyboard = Keyboard();
    if (!keyboard)
        return;
    Keyboard() = nullptr;
    // Nothing typed is lost with the keyboard: the pinyin still composing
    // goes in as letters, and what was learnt is kept.
    keyboard->EndComposition();
    if (PinyinEngineSlot())
        PinyinEngineSlot()->Save();
    keyboard->hide();
    // The call may come from the keyboard's own hide key, still in its click.
    keyboard->deleteLater();
    emit Notifier()->Changed();
}

QRect SipGetRect()
{
    if (SipGetState() == SIP_HIDDEN)
        return {};
    return { Keyboard()->mapToGlobal(QPoint(0, 0)), Keyboard()->size() };
}

void SipWatch(QObject* receiver, std::function<void()> onChange)
{
    QObject::connect(Notifier(), &SipSignals::Changed, receiver, std::move(onChange));
}

#include "WrenKeyboard.moc"
