#pragma once

#include "notebook/window/NoteBookDlg.h"
#include "platform/ShellMessage.h"
#include "platform/device/DevicePath.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/tests/ShellEnvironment.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QStringList>

#include <memory>

// A notebook with a notes folder, home folder and shell settings of the
// test's own, and a clock that stands still at Sunday 6 December 2026, 04:15:48.
class NoteBookTest : public ShellEnvironment {
protected:
    static constexpr char16_t kNotesFolder[] = u"\\Notes";
    static constexpr QRect kCaption { QPoint(430, 58), QPoint(729, 74) };
    static constexpr QRect kLabel { QPoint(210, 412), QPoint(339, 429) };
    static constexpr QRect kStatus { QPoint(440, 396), QPoint(739, 409) };

    void SetUp() override;
    void TearDown() override
    {
        m_dlg.reset();
        qunsetenv("XDG_DATA_HOME");
        ShellEnvironment::TearDown();
    }

    static QDateTime Now() { return QDateTime(QDate(2026, 12, 6), QTime(4, 15, 48)); }
    // Starts the dialog as the program does, without a modal run.
    CNoteBookDlg& Start();
    // Starts on notes a, b and c ("A first", "B second", "C third" with texts
    // "one", "two", "three"), written in another order than their names'.
    CNoteBookDlg& StartWithThreeNotes();
    // Writes an archive note into the notes folder, over any there.
    void WriteNote(const QString& fileName, const QString& title, const QString& text)
    {
        WriteHostFile(NotesHostFolder() + u'/' + fileName, ArchivedStrings({ title, text }));
    }
    // A file outside the device root, by its host path.
    QString WriteOutsideFile(const QString& fileName, const QByteArray& bytes);
    void WriteHandOff(const QString& devicePath) { WriteHostFile(HandOffHostPath(), ArchivedStrings({ devicePath })); }
    QString HandOffHostPath() const { return HostPath(QStringLiteral("\\Orva\\Note.path")); }

    QString NotesHostFolder() const { return HostPath(QString::fromUtf16(kNotesFolder)); }
    QStringList NoteFiles() const { return QDir(NotesHostFolder()).entryList(QDir::Files, QDir::Name); }
    // The text of a note in the notes folder, as the notebook reads it.
    QString SavedText(const QString& fileName) const;
    // The strings one after the other, as a note file or the hand-off holds them.
    static QByteArray ArchivedStrings(const QStringList& strings);

    // Types text into the focused control, any script.
    void Type(const QString& text) { Drive(*m_active).PressQtKey(Qt::Key_unknown, text); }
    // Touches the soft keyboard's key with this name ("shift", "enter", "space",
    // "backspace", "hide") or label.
    void TapKey(const QString& key);
    // Types text by touches on the soft keyboard: Shift before a capital, Enter
    // for a line break.
    void TypeOnKeyboard(const QString& text);
    void Send(unsigned long code)
    {
        PostShellMessage(m_dlg.get(), code);
        ProcessEvents();
    }
    // Fires the autosave timer.
    void Tick(int count = 1)
    {
        while (count-- > 0)
            Drive(*m_dlg).FireTimer(101);
    }
    QImage Screen();
    // Whether rect of the screen shows exactly text, drawn as the page draws
    // it (the status line in its smaller font).
    ::testing::AssertionResult ShowsPageText(const QRect& rect, const QString& text);

    std::unique_ptr<CNoteBookDlg> m_dlg;
    // The dialog that Type and Screen work on.
    CNoteBookDlg* m_active = nullptr;
};
